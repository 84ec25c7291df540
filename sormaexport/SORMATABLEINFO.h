#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace corvane {

// One column of a built-in export table.
struct SORMACOLUMNINFO {
    std::string name;             // column or item name as written in the export header
    std::int32_t realIndex = -1;  // field position in the data rows of the file being read; -1 when unknown
    bool amount = false;          // a money amount: quotes and commas are removed when stored
};

// A built-in table: "従業員" (74 employee columns) or "給与賞与" (99 pay items).
struct SORMATABLEINFO {
    std::string keyword;
    std::vector<SORMACOLUMNINFO> columns;
    std::unordered_map<std::string, std::int32_t> index;  // name -> position; the later of two equal names wins
};

// Fresh copies of the two built-in tables, every real index -1.
SORMATABLEINFO EmployeeTable();
SORMATABLEINFO PayTable();

// The keywords of the two tables: "従業員" and "給与賞与" (code page 932).
const std::string& EmployeeKeyword();
const std::string& PayKeyword();

}  // namespace corvane
