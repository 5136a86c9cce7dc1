#include "generate/CanopenGeneration.h"

#include "CanopenDriveBuilder.h"
#include "RegisterListWalk.h"

#include "canopen/CANopenFields.h"
#include "device/DriveReading.h"
#include "dictionaries/EDSTextHelper.h"
#include "dictionaries/FileIO.h"
#include "dictionaries/ModuleFolder.h"
#include "generate/GenerateTexts.h"
#include "generate/GenerationCommon.h"

#include <algorithm>

namespace corvid {

namespace {

constexpr uint16_t kIdentityObject = 0x1018;
constexpr uint8_t kProductCodeSub = 2;
constexpr uint8_t kRevisionSub = 3;
// Type 7 drives from this firmware on carry revision 1.1.
constexpr uint16_t kRevisedFirmware = 0x80D;

CANopenObject* FindSub(CANopenObject& object, uint8_t subIndex) {
    const FindResult found = FindSubObject(object.SubObjects, subIndex);
    return found.relation == FindRelation::Found ? &object.SubObjects[*found.position] : nullptr;
}

// Sub-indexes 2 (product code) and 3 (revision) of object 0x1018, or none
// when the template lacks either.
std::optional<std::pair<CANopenObject*, CANopenObject*>> IdentityRecords(CCANopenEDS& model) {
    const FindResult found = FindObject(model.Objects, kIdentityObject);
    if (found.relation != FindRelation::Found)
        return std::nullopt;
    CANopenObject& identity = model.Objects[*found.position];
    CANopenObject* product = FindSub(identity, kProductCodeSub);
    CANopenObject* revision = FindSub(identity, kRevisionSub);
    if (product == nullptr || revision == nullptr)
        return std::nullopt;
    return std::pair{product, revision};
}

void FillFileInfo(CCANopenEDS& model, const CModbusMaster& master, const GenerationTime& now) {
    CANopenFileInfo& info = model.FileInfo;
    const std::string product = ProductText(master);
    info.SectionName = kFileInfoSection;
    info.FileName = product + ".eds";
    info.FileVersion = 1;
    info.FileRevision = 1;
    info.EDSVersion = "1.0";
    info.Description = product + " EDS file";
    info.CreationTime = FormatEDSTime12(now);
    info.CreationDate = FormatEDSDate(now);
    info.CreatedBy = "Corvid";
    info.ModificationTime = info.CreationTime;
    info.ModificationDate = info.CreationDate;
    info.ModifiedBy = info.CreatedBy;
    model.Comments.SectionName = kCommentsSection;
    model.Comments.Lines = 0;
    model.Comments.LineTexts.clear();
}

// DeviceInfo and the identity object agree on product code and revision.
void FillDeviceInfo(CCANopenEDS& model, const CModbusMaster& master, IUserInterface& ui) {
    CANopenDeviceInfo& info = model.DeviceInfo;
    const std::string product = ProductText(master);
    info.SectionName = kDeviceInfoSection;
    info.VendorName = "HALVARD ELECTRONIC, INC.";
    info.VendorNumber = 0x2A7;
    info.ProductName = product;
    info.ProductNumber = master.productCode;
    info.OrderCode = product;

    const auto identity = IdentityRecords(model);
    if (master.driveType == 7) {
        info.RevisionNumber = master.extraIdentity >= kRevisedFirmware ? 0x00010001 : 0x00010000;
        if (identity)
            identity->second->DefaultValue = FormatHex32(info.RevisionNumber);
    } else if (identity) {
        info.RevisionNumber = ParseNumber(identity->second->DefaultValue);
    }
    if (identity)
        identity->first->DefaultValue = FormatHex16(master.productCode);
    else
        ui.AppendMessage(std::string(generate_texts::kNoIdentityObject));
}

void FillHeader(CCANopenEDS& model, const CModbusMaster& master) {
    model.Header.PathName.clear();
    model.Header.SavePathName.clear();
    model.Header.Flags = 0;
    model.Header.Title = SafeTitle(ProductText(master));
    model.Header.Model = ProductText(master);
}

// Register lists for models ManuDefine.ini names, extra objects for the
// others; false when the user aborted a read.
bool AddModelObjects(CModbusMaster& master, IUserInterface& ui, CCANopenEDS& model) {
    using generate_texts::Format;
    std::string text;
    std::string error;
    ReadWholeFile(ModuleFolder() + "ManuDefine.ini", text, error); // missing: no lists
    const CProfileText manuDefine(text);
    // Group objects 0x2000 to 0x20FF leave room for 256 lists at most.
    const int groups =
        std::min(canopen_generation::RegisterListGroups(manuDefine, master.modelName), 256);
    if (groups > 0) {
        ui.AppendMessage(std::string(generate_texts::kReadingDrive));
        return canopen_generation::WalkRegisterLists(master, ui, model, manuDefine, groups);
    }
    const std::string path = ModuleFolder() + "ManuExtra/" + master.modelName + ".md";
    ui.AppendMessage(Format(generate_texts::kReadingFrom, {path}));
    if (ReadWholeFile(path, text, error)) // a model without extra objects has no file
        AddManufacturerObjects(model, text);
    return true;
}

} // namespace

bool GenerateCanopen(CModbusMaster& master, IUserInterface& ui, const GenerationClock& clock) {
    CCANopenEDS& model = *master.canopenModel;
    if (!IdentifyDrive(
            master, ui, DriveProtocol::CANopen,
            CatalogueDeviceFor(DriveProtocol::CANopen, model.Header.Module, model.Header.Device)))
        return false;
    canopen_generation::CCANopenDriveBuilder builder(model, ui, master.driveType);
    if (!WalkGroups(master, ui, builder))
        return false;
    if (!AddModelObjects(master, ui, model))
        return false;
    FillFileInfo(model, master, clock());
    FillDeviceInfo(model, master, ui);
    FillHeader(model, master);
    return true;
}

} // namespace corvid
