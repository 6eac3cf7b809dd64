#pragma once

// Rows that need eras beyond those the program is built with name them as
// Windows lists them; the era table takes them for that row only.

#include "date/era.h"

#include <gtest/gtest.h>

#include <span>

namespace hinomori::test {

// An era from 2030-03-01, the kind of entry one adds to the registry to try
// a new era on Windows: 令和 then ends with R12/02/28.
inline const date::EraSetting test_era[] = {{u"2030 03 01", u"試験_試_Shiken_Q"}};

class AddedEras {
public:
    explicit AddedEras(std::span<const date::EraSetting> eras)
    {
        EXPECT_TRUE(date::add_eras(eras).empty()) << "an era the row needs was left out";
    }
    ~AddedEras() { date::reset_era_table(); }

    AddedEras(const AddedEras&) = delete;
    AddedEras& operator=(const AddedEras&) = delete;
};

}  // namespace hinomori::test
