// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs the window makes only when a command asks for one, made as its children now (with a
// template in the templates folder to fill the form), so that the tests that walk every dialog of the
// window reach them too.
#pragma once

#include "ui/app/MainWindow.h"
#include "ui/dialogs/NewFromTemplateDialog.h"
#include "ui/dialogs/SaveTemplateDialog.h"
#include "json/TemplateFolder.h"

#include <gtest/gtest.h>

namespace korvisel::test {

inline void MakeOnDemandDialogs(TApplicationForm& window) {
    const TProjectInfo& project = window.Document().Project();
    ASSERT_TRUE(SaveTemplateFile(TemplatesFolder(), TemplateOfProject(project, "Company standard")).Ok());
    TNavigationTree tree;
    tree.BuildNodeTree();
    new TSaveTemplateDialog(project, {}, tree, window.Texts(), TemplatesFolder(), &window);
    new TNewFromTemplateDialog(window.Texts(), TemplatesFolder(), {}, &window);
}

} // namespace korvisel::test
