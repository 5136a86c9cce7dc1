#pragma once

// What one change did to a model, kept small enough to hold a thousand of:
// for each part of the model a change may touch, its value before and after
// when it differs, and for a list only the run of entries between the first
// and the last that differ. Applied backwards it undoes the change, forwards
// it does it again, whatever the editing rule moved along with it (numbers
// of later parameters, references, [ParamClass] MaxInst).
//
// A patch is found by comparing a snapshot taken before the change with the
// model after it; the snapshot is dropped once the patch is made.

#include "canopen/CANopenModel.h"
#include "devicenet/DeviceNetModel.h"
#include "ethernetip/EtherNetIPModel.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace corvid {

namespace patch_detail {

// A list holds its entries by value or through unique_ptr; patches hold
// values either way.
template <typename T> struct Entry {
    using Value = T;
    static const T& Of(const T& entry) { return entry; }
    static T Make(const T& value) { return value; }
};
template <typename T> struct Entry<std::unique_ptr<T>> {
    using Value = T;
    static const T& Of(const std::unique_ptr<T>& entry) { return *entry; }
    static std::unique_ptr<T> Make(const T& value) { return std::make_unique<T>(value); }
};

// A part kept whole: a section record, a short list of names.
template <typename T> struct Part {
    using Copy = T;
    struct Patch {
        T Before;
        T After;
    };
    static Copy Take(const T& value) { return value; }
    static std::optional<Patch> Diff(const Copy& before, const T& now) {
        if (before == now)
            return std::nullopt;
        return Patch{before, now};
    }
    static void Apply(T& value, const Patch& patch, bool undo) {
        value = undo ? patch.Before : patch.After;
    }
};

// A list: the entries from First that differ, as they were and as they are.
template <typename E> struct Part<std::vector<E>> {
    using Value = typename Entry<E>::Value;
    using Copy = std::vector<Value>;
    struct Patch {
        size_t First = 0;
        std::vector<Value> Before;
        std::vector<Value> After;
    };

    static Copy Take(const std::vector<E>& list) {
        Copy copy;
        copy.reserve(list.size());
        for (const E& entry : list)
            copy.push_back(Entry<E>::Of(entry));
        return copy;
    }

    static std::optional<Patch> Diff(const Copy& before, const std::vector<E>& now) {
        const size_t shorter = std::min(before.size(), now.size());
        size_t first = 0;
        while (first < shorter && before[first] == Entry<E>::Of(now[first]))
            ++first;
        if (first == shorter && before.size() == now.size())
            return std::nullopt;
        size_t same = 0; // equal entries at the end, not overlapping the front
        while (same < shorter - first &&
               before[before.size() - 1 - same] == Entry<E>::Of(now[now.size() - 1 - same]))
            ++same;
        Patch patch;
        patch.First = first;
        patch.Before.assign(before.begin() + static_cast<std::ptrdiff_t>(first),
                            before.end() - static_cast<std::ptrdiff_t>(same));
        for (size_t i = first; i < now.size() - same; ++i)
            patch.After.push_back(Entry<E>::Of(now[i]));
        return patch;
    }

    static void Apply(std::vector<E>& list, const Patch& patch, bool undo) {
        const std::vector<Value>& gone = undo ? patch.After : patch.Before;
        const std::vector<Value>& back = undo ? patch.Before : patch.After;
        const auto at = list.begin() + static_cast<std::ptrdiff_t>(patch.First);
        const auto rest = list.erase(at, at + static_cast<std::ptrdiff_t>(gone.size()));
        std::vector<E> made;
        made.reserve(back.size());
        for (const Value& value : back)
            made.push_back(Entry<E>::Make(value));
        list.insert(rest, std::make_move_iterator(made.begin()),
                    std::make_move_iterator(made.end()));
    }
};

template <auto A, auto B> constexpr bool SameMember() {
    if constexpr (std::is_same_v<decltype(A), decltype(B)>)
        return A == B;
    else
        return false;
}

// The parts named by Members, snapshot and patch alike, each in the form
// its Part gives.
template <typename Model, auto... Members> struct Parts {
    template <auto Member>
    using PartOf = Part<std::remove_cvref_t<decltype(std::declval<Model&>().*Member)>>;

    using Snapshot = std::tuple<typename PartOf<Members>::Copy...>;
    using Patch = std::tuple<std::optional<typename PartOf<Members>::Patch>...>;

    static Snapshot Take(const Model& model) { return {PartOf<Members>::Take(model.*Members)...}; }

    // Nothing when no part differs.
    static std::optional<Patch> Diff(const Snapshot& before, const Model& now) {
        Patch patch = DiffAll(before, now, std::index_sequence_for<decltype(Members)...>{});
        const bool changed =
            std::apply([](const auto&... part) { return (part.has_value() || ...); }, patch);
        return changed ? std::optional<Patch>(std::move(patch)) : std::nullopt;
    }

    static void Apply(Model& model, const Patch& patch, bool undo) {
        ApplyAll(model, patch, undo, std::index_sequence_for<decltype(Members)...>{});
    }

    // The patch of a change that made the entry at `position` of the list
    // `Member` into `after` in place, and changed nothing else: what Diff
    // finds, without a snapshot of the whole model.
    template <auto Member>
    static Patch InPlace(size_t position, typename PartOf<Member>::Value before,
                         typename PartOf<Member>::Value after) {
        Patch patch;
        std::get<PlaceOf<Member>()>(patch).emplace(
            typename PartOf<Member>::Patch{position, {std::move(before)}, {std::move(after)}});
        return patch;
    }

private:
    template <auto Member> static constexpr size_t PlaceOf() {
        size_t place = 0;
        size_t at = 0;
        ((SameMember<Member, Members>() ? place = at++ : at++), ...);
        return place;
    }

    template <size_t... I>
    static Patch DiffAll(const Snapshot& before, const Model& now, std::index_sequence<I...>) {
        return {PartOf<Members>::Diff(std::get<I>(before), now.*Members)...};
    }
    template <size_t... I>
    static void ApplyAll(Model& model, const Patch& patch, bool undo, std::index_sequence<I...>) {
        ((std::get<I>(patch) ? PartOf<Members>::Apply(model.*Members, *std::get<I>(patch), undo)
                             : void()),
         ...);
    }
};

} // namespace patch_detail

// The parts of each model the editing rules change. The header stays out:
// its flags follow the history, and its paths and text follow the saves.
template <typename Model> struct ModelParts;

template <>
struct ModelParts<CCANopenEDS>
    : patch_detail::Parts<CCANopenEDS, &CCANopenEDS::FileInfo, &CCANopenEDS::DeviceInfo,
                          &CCANopenEDS::DummyUsage, &CCANopenEDS::Comments, &CCANopenEDS::Objects,
                          &CCANopenEDS::ListKeptLines, &CCANopenEDS::KeptSections> {};

template <>
struct ModelParts<CDeviceNetEDS>
    : patch_detail::Parts<CDeviceNetEDS, &CDeviceNetEDS::FileSection, &CDeviceNetEDS::DeviceSection,
                          &CDeviceNetEDS::IOInfoSection, &CDeviceNetEDS::ParamClassSection,
                          &CDeviceNetEDS::Params, &CDeviceNetEDS::GroupNames,
                          &CDeviceNetEDS::Kept> {};

template <>
struct ModelParts<CEtherNetIPEDS>
    : patch_detail::Parts<
          CEtherNetIPEDS, &CEtherNetIPEDS::ParamClassSection, &CEtherNetIPEDS::FileSection,
          &CEtherNetIPEDS::DeviceSection, &CEtherNetIPEDS::DeviceClassification,
          &CEtherNetIPEDS::ConnectionManagerSection, &CEtherNetIPEDS::Params,
          &CEtherNetIPEDS::GroupNames, &CEtherNetIPEDS::AssemblySection, &CEtherNetIPEDS::Ports,
          &CEtherNetIPEDS::ModularSection, &CEtherNetIPEDS::DLRClassSection,
          &CEtherNetIPEDS::QoSClass, &CEtherNetIPEDS::TCPIPInterfaceClass,
          &CEtherNetIPEDS::IdentityClass, &CEtherNetIPEDS::FileClass,
          &CEtherNetIPEDS::MessageRouterClass, &CEtherNetIPEDS::EthernetLinkClassSection,
          &CEtherNetIPEDS::CapacitySection, &CEtherNetIPEDS::Kept> {};

template <typename Model> using ModelPatch = typename ModelParts<Model>::Patch;

} // namespace corvid
