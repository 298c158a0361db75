// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/NavigationTree.h"

#include "editor/NodeCaption.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace korvisel {
namespace {

TLanguageTexts English() {
    TLanguageTexts texts;
    texts.SetBuiltInTexts();
    return texts;
}

TEST(NavigationTree, HierarchyAndCaptions) {
    TNavigationTree tree;
    tree.BuildNodeTree();
    const TLanguageTexts texts = English();
    // Every node hangs below exactly one top-level node: none is lost, none is shown twice.
    std::vector<int> seen(tree.Nodes().size(), 0);
    std::vector<int> pending = tree.TopLevel();
    while (!pending.empty()) {
        const int node = pending.back();
        pending.pop_back();
        ++seen[static_cast<std::size_t>(node)];
        for (int child : tree.Node(node).Children)
            pending.push_back(child);
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), static_cast<std::ptrdiff_t>(seen.size()));
    std::vector<std::string> top;
    for (int index : tree.TopLevel())
        top.push_back(NodeCaption(tree.Node(index).Data, texts));
    EXPECT_EQ(top, (std::vector<std::string>{"Settings", "Print out info", "Input 1", "Input 2", "Input 3",
                                             "Input 4", "Exit 1", "Exit 2", "Exit 3", "Test field ", "CROW",
                                             "Phone numbers ", "SMS center phone number", "PIN code "}));
    const int output1 = tree.TopLevel()[6];
    std::vector<std::string> children;
    for (int child : tree.Node(output1).Children)
        children.push_back(NodeCaption(tree.Node(child).Data, texts));
    EXPECT_EQ(children,
              (std::vector<std::string>{"Initial input status 1", "Input mode 1", "Output timer settings1",
                                        "Output control SMS1", "Output confirmation SMS1"}));
    const int input2 = tree.TopLevel()[3];
    const int report = tree.Node(input2).Children[2];
    EXPECT_EQ(NodeCaption(tree.Node(report).Data, texts), "Report at input 2");
    EXPECT_EQ(NodeCaption(tree.Node(tree.Node(report).Children[1]).Data, texts), "ALARM Input 2");
    EXPECT_EQ(tree.DepthOf(tree.Node(report).Children[1]), 3);
}

TEST(NavigationTree, MarksFollowTheModel) {
    TNavigationTree tree;
    tree.BuildNodeTree();
    TProjectInfo project;
    const auto marks = [&](const std::vector<int>& nodes) {
        std::vector<bool> disabled;
        for (int n : nodes)
            disabled.push_back(tree.Node(n).Disabled);
        return disabled;
    };
    EXPECT_EQ(marks(tree.SyncInputReportNodes(2, TReportKind::Data)),
              (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(marks(tree.SyncInputReportNodes(2, TReportKind{0})),
              (std::vector<bool>{true, true, true, true}));
    project.TestReportType = TReportKind::Clip;
    EXPECT_EQ(marks(tree.SyncTestReportNodes(project)), (std::vector<bool>{true, false, true}));
    project.TestReportType = TReportKind{9};
    EXPECT_TRUE(tree.SyncTestReportNodes(project).empty()) << "an unknown type changes nothing";
    const auto time = tree.SyncOutputTimeNode(3, TWorkType::Bistable);
    ASSERT_TRUE(time);
    EXPECT_TRUE(tree.Node(*time).Disabled);
    EXPECT_FALSE(tree.SyncOutputTimeNode(4, TWorkType::Monostable));

    project.Inputs[2].ReportType = TReportKind::Data;
    project.Outputs[3].WorkType = TWorkType::Bistable;
    const int report = tree.Node(tree.TopLevel()[3]).Children[2];
    std::vector<std::string> icons;
    for (int child : tree.Node(report).Children)
        icons.push_back(NodeIconName(tree.Node(child).Data, project));
    EXPECT_EQ(icons, (std::vector<std::string>{"SMS_D", "ALARM_D", "CLIP_D", "DATA"}));
    EXPECT_EQ(NodeIconName(tree.Node(*time).Data, project), "OUTTIME_D");
    EXPECT_EQ(NodeIconName({nkInput, 1, 0}, project), "DINP");
}

// A screen reader hears in words what a row's picture shows.
TEST(NavigationTree, StateTextsSayWhatThePicturesShow) {
    const TLanguageTexts texts = English();
    TProjectInfo project;
    project.Inputs[1].Enabled = true;
    project.Inputs[2].Enabled = false;
    project.Inputs[2].ReportType = TReportKind::Clip;
    project.Outputs[1].WorkType = TWorkType::Bistable;
    project.TestReportType = TReportKind::Sms;
    const struct {
        TTreeNodeData node;
        const char* said;
    } cases[] = {
        {{nkInput, 1, 0}, "on"},
        {{nkInput, 2, 0}, "off"},
        {{nkInputClip, 2, 0}, "chosen"},
        {{nkInputSms, 2, 0}, "not chosen"},
        {{nkTestSms, 2, 2}, "chosen"},
        {{nkTestClip, 2, 2}, "not chosen"},
        {{nkOutputTime, 0, 1}, "off"},
        {{nkOutputTime, 0, 2}, "on"},
        {{nkPin, 0, 0}, ""},
        {{TNodeKind(250), 0, 0}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NodeStateText(c.node, project, texts), c.said) << int(c.node.Kind) << " " << c.node.Input;
}

TEST(NavigationTree, PagesHelpAndRowGeometry) {
    EXPECT_EQ(NodeHelpContext(nkPrintFirmware), 70);
    EXPECT_EQ(NodeHelpContext(nkOutput), std::nullopt);
    const TNodeRowGeometry info = NodeRowGeometry(nkInfo, 1, 40);
    EXPECT_EQ(info.IconX, 3);
    EXPECT_EQ(info.CaptionX, 22);
    const TNodeRowGeometry child = NodeRowGeometry(nkInputTime, 2, 40);
    EXPECT_EQ((std::vector<int>{child.IconX, child.BarLeft, child.BarRight, child.CaptionX, child.CaptionY}),
              (std::vector<int>{38, 56, 100, 57, 2}));
}

TEST(NodeKinds, TheTreeIsBuiltFromTheTable) {
    TNavigationTree tree;
    tree.BuildNodeTree();
    const auto& nodes = tree.Nodes();
    // Every kind stands in the tree under a node of its parent kind: none is lost to a parent that is
    // missing or listed after it.
    for (const TNodeKindEntry& entry : NodeKinds()) {
        const auto node = std::find_if(nodes.begin(), nodes.end(),
                                       [&](const TTreeNode& n) { return n.Data.Kind == entry.Kind; });
        ASSERT_NE(node, nodes.end()) << static_cast<int>(entry.Kind);
        const std::optional<TNodeKind> parent =
            node->Parent < 0 ? std::nullopt : std::optional(tree.Node(node->Parent).Data.Kind);
        EXPECT_EQ(parent, entry.Parent) << static_cast<int>(entry.Kind);
    }
    // The nodes of an input, an output and a test group carry its numbers, as the pages read them.
    const struct {
        TNodeKind kind;
        std::vector<std::pair<int, int>> numbers; // input, output of each node of the kind
    } cases[] = {
        {nkInput, {{1, 0}, {2, 0}, {3, 0}, {4, 0}}},
        {nkInputData, {{1, 0}, {2, 0}, {3, 0}, {4, 0}}},
        {nkOutput, {{0, 1}, {0, 2}, {0, 3}}},
        {nkOutputAnswerSms, {{1, 1}, {2, 2}, {3, 3}}},
        {nkGsmTest, {{1, 1}}},
        {nkGsmTime, {{1, 1}}},
        {nkTestClip, {{2, 2}}},
        {nkPrintComment, {{0, 0}}},
        {nkPin, {{0, 0}}},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<int, int>> numbers;
        for (const TTreeNode& node : nodes)
            if (node.Data.Kind == c.kind)
                numbers.emplace_back(node.Data.Input, node.Data.Output);
        EXPECT_EQ(numbers, c.numbers) << static_cast<int>(c.kind);
    }
}

TEST(NodeKinds, EveryNodeOfTheTreeHasOneEntryWithEverythingItNeeds) {
    TNavigationTree tree;
    tree.BuildNodeTree();
    for (const TTreeNode& node : tree.Nodes()) {
        const TNodeKindEntry* entry = NodeKindEntry(node.Data.Kind);
        ASSERT_NE(entry, nullptr) << int(node.Data.Kind);
        EXPECT_TRUE(entry->Icon) << int(node.Data.Kind);
        // A caption is a text of the language or the same in every language, never both or neither.
        EXPECT_NE(static_cast<bool>(entry->Caption), entry->FixedCaption != nullptr) << int(node.Data.Kind);
        EXPECT_EQ(entry->CaptionRule == TCaptionRule::Fixed, entry->FixedCaption != nullptr)
            << int(node.Data.Kind);
        // An icon that follows the project has a second picture, a fixed one has none.
        EXPECT_EQ(entry->IconOff == nullptr, entry->IconRule == TIconRule::Fixed) << int(node.Data.Kind);
    }
    for (const TNodeKindEntry& entry : NodeKinds())
        EXPECT_EQ(std::count_if(NodeKinds().begin(), NodeKinds().end(),
                                [&](const TNodeKindEntry& other) { return other.Kind == entry.Kind; }),
                  1)
            << static_cast<int>(entry.Kind);
    EXPECT_EQ(NodeKindEntry(TNodeKind{5}), nullptr) << "no kind 5: it shows the project summary";
}

} // namespace
} // namespace korvisel
