#pragma once

#include <span>
#include <string_view>

#include "xmlout/TransferMode.h"

namespace corvane {

// One item that the intermediate file can carry: its tag and the display
// name under which the conversion hands its value to the store. Length and
// kind are what the importing product declares; nothing here checks them.
struct XMLITEMINFO {
    std::string_view tag;
    std::string_view name;  // code page 932
    int length;
    std::string_view kind;  // code page 932; one of the seven kinds the importer declares
    bool normal;            // written in NORMAL mode
    bool easy;              // written in EASY mode

    bool WrittenIn(TransferMode mode) const { return mode == TransferMode::Easy ? easy : normal; }
};

// The groups of the key table, named after the element that encloses them.
enum class XmlItemGroup { HonninJouhou, HaiguusyaJouhou, KazokuJouhou, KoujogakuJouhou, Goukei };

inline constexpr XmlItemGroup kXmlItemGroups[] = {XmlItemGroup::HonninJouhou, XmlItemGroup::HaiguusyaJouhou,
                                                  XmlItemGroup::KazokuJouhou, XmlItemGroup::KoujogakuJouhou,
                                                  XmlItemGroup::Goukei};

// The rows of a group, in writing order.
std::span<const XMLITEMINFO> XmlItemRows(XmlItemGroup group);
// The tag of the element that encloses the group ("HONNNIN_JOUHOU" ...).
std::string_view XmlItemGroupTag(XmlItemGroup group);

// A number for each distinct display name of the key table (0, 1, ...); -1
// for a name that is not in it.
int XmlItemNameNumber(std::string_view name);
// How many distinct display names the key table has: the numbers are below it.
int XmlItemNameCount();

}  // namespace corvane
