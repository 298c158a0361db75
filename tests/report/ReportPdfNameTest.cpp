// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportPdfName.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TEST(ReportPdfName, BesideTheProjectUnderItsName) {
    const struct {
        const char* project;
        const char* dialogFolder;
        const char* pdf;
    } cases[] = {
        {"/home/ann/sites/site.KV690", "/home/ann/other", "/home/ann/sites/site.pdf"},
        {"/home/ann/old.v2.KRV", "", "/home/ann/old.v2.pdf"},
        {"/home/ann/noextension", "", "/home/ann/noextension.pdf"},
        {"/home/ann.d/site", "", "/home/ann.d/site.pdf"},
        {"Untitled", "/home/ann/Documents", "/home/ann/Documents/device-profile.pdf"},
        {"Untitled", "/home/ann/Documents/", "/home/ann/Documents/device-profile.pdf"},
        {"", "/home/ann", "/home/ann/device-profile.pdf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SuggestedReportPdf(c.project, c.dialogFolder), c.pdf) << c.project;
}

} // namespace
} // namespace korvisel
