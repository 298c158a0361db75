// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation tree as data: the fixed node hierarchy, each node's caption, icon, page and help
// topic as its kind's entry says, and the disabled marks that follow the model. The tree widget only
// shows this.
#pragma once

#include "core/PrjTypes.h"
#include "fields/NodeKinds.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvisel {

struct TTreeNodeData {
    TNodeKind Kind = nkInfo;
    std::int32_t Input = 0;
    std::int32_t Output = 0;

    bool operator==(const TTreeNodeData&) const = default;
};

struct TTreeNode {
    TTreeNodeData Data;
    int Parent = -1; // index of the parent node, -1 for a top-level node
    std::vector<int> Children;
    bool Disabled = false;
};

class TNavigationTree {
public:
    // Creates every node in display order (pre-order). Called once.
    void BuildNodeTree();

    const std::vector<TTreeNode>& Nodes() const { return nodes_; }
    const TTreeNode& Node(int index) const { return nodes_[static_cast<std::size_t>(index)]; }
    std::vector<int> TopLevel() const;
    int DepthOf(int index) const;

    // The report node of the input marks only the child of its report type enabled (all four
    // disabled for an unknown type). Returns the children that were marked.
    std::vector<int> SyncInputReportNodes(int input, TReportKind reportType);
    // Under the periodic test's report node, only the child of the test report type stays enabled;
    // an unknown type changes nothing.
    std::vector<int> SyncTestReportNodes(const TProjectInfo& project);
    // The output's time node is disabled for a bistable output. The node's index, if found.
    std::optional<int> SyncOutputTimeNode(int output, TWorkType workType);

    // The first node of `wanted`'s kind whose input and output are `wanted`'s, where those are not 0
    // (a test group's nodes carry its group number, which a caller need not know).
    std::optional<int> Find(const TTreeNodeData& wanted) const;

private:
    int Add(int parent, TTreeNodeData data);
    // The nodes of every kind that stands under `parentKind`, under node `parent`, carrying the
    // input and output numbers of the nodes above them.
    void AddChildren(int parent, std::optional<TNodeKind> parentKind, int input, int output);

    std::vector<TTreeNode> nodes_;
};

// The name of the node's icon for the current model ("INPUT", "DINP", "SMS_D", ...).
std::string NodeIconName(const TTreeNodeData& node, const TProjectInfo& project);
// Whether what the node's picture stands for holds (an input on, a report kind chosen); nothing for
// a node whose picture never changes.
std::optional<bool> NodeMarkHolds(const TTreeNodeData& node, const TProjectInfo& project);
// The help topic of the node's kind; nothing for the kinds that open the help index.
std::optional<int> NodeHelpContext(TNodeKind kind);

// Tree row geometry: where the icon, the highlight bar and the caption of a node go.
struct TNodeRowGeometry {
    int IconX;
    int BarLeft;
    int BarRight; // exclusive
    int CaptionX;
    int CaptionY;
};
TNodeRowGeometry NodeRowGeometry(TNodeKind kind, int depth, int captionWidth);

} // namespace korvisel
