#include "DriveDescription.h"

#include "dictionaries/FileIO.h"

#include <nlohmann/json.hpp>

namespace corvid::sim {

namespace {

using nlohmann::json;

// Reads the members of a description, keeping the first fault with the
// member it is about; later reads after a fault give harmless values.
class DescriptionReader {
public:
    std::string error;

    bool Failed() const { return !error.empty(); }

    void Fail(const std::string& where, const std::string& what) {
        if (error.empty())
            error = where + ": " + what;
    }

    int64_t Integer(const json& object, const std::string& key, const std::string& where,
                    int64_t lowest, int64_t highest, std::optional<int64_t> fallback = {}) {
        const auto member = object.find(key);
        if (member == object.end()) {
            if (!fallback)
                Fail(where, "\"" + key + "\" is missing");
            return fallback.value_or(lowest);
        }
        if (!member->is_number_integer()) {
            Fail(where + "." + key, "not an integer");
            return lowest;
        }
        const int64_t value = member->get<int64_t>();
        if (value < lowest || value > highest) {
            Fail(where + "." + key, std::to_string(value) + " is outside " +
                                        std::to_string(lowest) + " to " + std::to_string(highest));
            return lowest;
        }
        return value;
    }

    std::string Name(const json& object, const std::string& where) {
        const auto member = object.find("name");
        if (member == object.end() || !member->is_string()) {
            Fail(where, "\"name\" is missing or not a text");
            return {};
        }
        std::string name = member->get<std::string>();
        if (name.size() > 16)
            Fail(where + ".name", "longer than 16 bytes");
        return name;
    }

    // One of `choices`, given as text; `fallback` when the member is absent.
    int Choice(const json& object, const std::string& key,
               std::initializer_list<const char*> choices, int fallback) {
        const auto member = object.find(key);
        if (member == object.end())
            return fallback;
        int index = 0;
        for (const char* choice : choices) {
            if (member->is_string() && member->get<std::string>() == choice)
                return index;
            ++index;
        }
        std::string list;
        for (const char* choice : choices)
            list += (list.empty() ? "\"" : ", \"") + std::string(choice) + "\"";
        Fail(key, "not one of " + list);
        return fallback;
    }

    // A 16-bit register holds a limit or a default either way: as an unsigned
    // value or as a signed one, as the attribute word says.
    int32_t Value(const json& object, const std::string& key, const std::string& where) {
        return static_cast<int32_t>(Integer(object, key, where, -32768, 65535));
    }

    SimParameter Parameter(const json& object, const std::string& where) {
        SimParameter parameter;
        if (!object.is_object()) {
            Fail(where, "not an object");
            return parameter;
        }
        parameter.name = Name(object, where);
        parameter.minimum = Value(object, "minimum", where);
        parameter.maximum = Value(object, "maximum", where);
        parameter.defaultValue = Value(object, "default", where);
        parameter.attribute =
            static_cast<uint16_t>(Integer(object, "attribute", where, 0, 0xFFFF, 0));
        return parameter;
    }

    SimGroup Group(const json& object, const std::string& where) {
        SimGroup group;
        if (!object.is_object()) {
            Fail(where, "not an object");
            return group;
        }
        group.name = Name(object, where);
        const auto parameters = object.find("parameters");
        if (parameters == object.end())
            return group;
        if (!parameters->is_array())
            Fail(where + ".parameters", "not a list");
        else if (parameters->size() > kMaxSimParameters)
            Fail(where + ".parameters", "more than " + std::to_string(kMaxSimParameters));
        else
            for (size_t j = 0; j < parameters->size(); ++j)
                group.parameters.push_back(
                    Parameter((*parameters)[j], where + ".parameters[" + std::to_string(j) + "]"));
        return group;
    }

    DriveDescription Drive(const json& object) {
        DriveDescription drive;
        if (!object.is_object()) {
            Fail("drive", "not a JSON object");
            return drive;
        }
        drive.address = static_cast<uint8_t>(Integer(object, "address", "drive", 1, 247));
        drive.line.bitRate =
            static_cast<uint32_t>(Integer(object, "bitRate", "drive", 50, 4000000));
        SerialFraming& framing = drive.line.framing;
        framing.dataBits = static_cast<uint8_t>(Integer(object, "dataBits", "drive", 7, 8));
        framing.parity = static_cast<uint8_t>(Choice(object, "parity", {"none", "odd", "even"}, 0));
        framing.stopBits =
            Integer(object, "stopBits", "drive", 1, 2) == 1 ? kStopBitsOne : kStopBitsTwo;
        framing.rtu = Choice(object, "mode", {"RTU", "ASCII"}, 0) == 0;
        drive.driveType = static_cast<uint8_t>(Integer(object, "driveType", "drive", 0, 255));
        drive.driveSubType =
            static_cast<uint8_t>(Integer(object, "driveSubType", "drive", 0, 255, 0xFF));
        drive.extraIdentity =
            static_cast<uint16_t>(Integer(object, "extraIdentity", "drive", 0, 0xFFFF, 0));
        if (object.contains("rating"))
            drive.rating = static_cast<uint16_t>(Integer(object, "rating", "drive", 0, 0xFFFF));
        const auto groups = object.find("groups");
        if (groups == object.end() || !groups->is_array())
            Fail("groups", "missing or not a list");
        else if (groups->size() > kMaxSimGroups)
            Fail("groups", "more than " + std::to_string(kMaxSimGroups));
        else
            for (size_t i = 0; i < groups->size(); ++i)
                drive.groups.push_back(Group((*groups)[i], "groups[" + std::to_string(i) + "]"));
        return drive;
    }
};

} // namespace

bool ParseDriveDescription(const std::string& text, DriveDescription& drive, std::string& error) {
    const json object = json::parse(text, nullptr, false);
    if (object.is_discarded()) {
        error = "not valid JSON";
        return false;
    }
    DescriptionReader reader;
    DriveDescription read = reader.Drive(object);
    if (reader.Failed()) {
        error = reader.error;
        return false;
    }
    drive = std::move(read);
    return true;
}

bool LoadDriveDescription(const std::string& path, DriveDescription& drive, std::string& error) {
    std::string text;
    if (!ReadWholeFile(path, text, error))
        return false;
    if (ParseDriveDescription(text, drive, error))
        return true;
    error = path + ": " + error;
    return false;
}

} // namespace corvid::sim
