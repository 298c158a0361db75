// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/NavigationTree.h"

#include <algorithm>

namespace korvisel {
namespace {

// Whether a report child of a node stands for the report kind `type`.
bool StandsFor(const TTreeNode& node, TReportKind type) {
    const TNodeKindEntry* entry = NodeKindEntry(node.Data.Kind);
    return entry && entry->Report == type;
}

} // namespace

int TNavigationTree::Add(int parent, TTreeNodeData data) {
    const int index = static_cast<int>(nodes_.size());
    nodes_.push_back({data, parent, {}, false});
    if (parent >= 0)
        nodes_[static_cast<std::size_t>(parent)].Children.push_back(index);
    return index;
}

void TNavigationTree::BuildNodeTree() {
    nodes_.clear();
    AddChildren(-1, std::nullopt, 0, 0);
}

void TNavigationTree::AddChildren(int parent, std::optional<TNodeKind> parentKind, int input, int output) {
    for (const TNodeKindEntry& entry : NodeKinds()) {
        if (entry.Parent != parentKind)
            continue;
        switch (entry.Copies) {
        case TNodeCopies::PerInput:
            for (int i = 1; i <= static_cast<int>(InputCount); ++i)
                AddChildren(Add(parent, {entry.Kind, i, 0}), entry.Kind, i, 0);
            break;
        case TNodeCopies::PerOutput:
            for (int o = 1; o <= static_cast<int>(OutputCount); ++o)
                AddChildren(Add(parent, {entry.Kind, 0, o}), entry.Kind, o, o);
            break;
        case TNodeCopies::One: {
            const int in = entry.Group != 0 ? entry.Group : input;
            const int out = entry.Group != 0 ? entry.Group : output;
            AddChildren(Add(parent, {entry.Kind, in, out}), entry.Kind, in, out);
            break;
        }
        }
    }
}

std::vector<int> TNavigationTree::TopLevel() const {
    std::vector<int> top;
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].Parent < 0)
            top.push_back(static_cast<int>(i));
    return top;
}

int TNavigationTree::DepthOf(int index) const {
    int depth = 1;
    for (int p = Node(index).Parent; p >= 0; p = Node(p).Parent)
        ++depth;
    return depth;
}

std::vector<int> TNavigationTree::SyncInputReportNodes(int input, TReportKind reportType) {
    const auto report = std::find_if(nodes_.begin(), nodes_.end(), [input](const TTreeNode& n) {
        return n.Data.Kind == nkInputReport && n.Data.Input == input;
    });
    if (report == nodes_.end())
        return {};
    for (int child : report->Children) {
        TTreeNode& node = nodes_[static_cast<std::size_t>(child)];
        node.Disabled = !StandsFor(node, reportType);
    }
    return report->Children;
}

std::vector<int> TNavigationTree::SyncTestReportNodes(const TProjectInfo& project) {
    const TReportKind type = project.TestReportType;
    if (type < TReportKind::Sms || type > TReportKind::Data)
        return {};
    const auto report = std::find_if(nodes_.begin(), nodes_.end(),
                                     [](const TTreeNode& n) { return n.Data.Kind == nkTestReport; });
    if (report == nodes_.end())
        return {};
    for (int child : report->Children) {
        TTreeNode& node = nodes_[static_cast<std::size_t>(child)];
        node.Disabled = !StandsFor(node, type);
    }
    return report->Children;
}

std::optional<int> TNavigationTree::SyncOutputTimeNode(int output, TWorkType workType) {
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].Data.Kind == nkOutputTime && nodes_[i].Data.Output == output) {
            nodes_[i].Disabled = workType == TWorkType::Bistable;
            return static_cast<int>(i);
        }
    return std::nullopt;
}

std::optional<int> TNavigationTree::Find(const TTreeNodeData& wanted) const {
    for (std::size_t n = 0; n < nodes_.size(); ++n) {
        const TTreeNodeData& d = nodes_[n].Data;
        if (d.Kind == wanted.Kind && (wanted.Input == 0 || d.Input == wanted.Input) &&
            (wanted.Output == 0 || d.Output == wanted.Output))
            return static_cast<int>(n);
    }
    return std::nullopt;
}

std::optional<bool> NodeMarkHolds(const TTreeNodeData& node, const TProjectInfo& p) {
    const TNodeKindEntry* entry = NodeKindEntry(node.Kind);
    if (!entry)
        return std::nullopt;
    const auto in = static_cast<std::size_t>(node.Input);
    const auto out = static_cast<std::size_t>(node.Output);
    const TInputInfo* input = p.Inputs.Contains(in) ? &p.Inputs[in] : nullptr;
    const TOutputInfo* output = p.Outputs.Contains(out) ? &p.Outputs[out] : nullptr;
    switch (entry->IconRule) {
    case TIconRule::Fixed:
        return std::nullopt;
    case TIconRule::InputEnabled:
        return input && input->Enabled;
    case TIconRule::InputReport:
        return input && input->ReportType == entry->Report;
    case TIconRule::TestReport:
        return p.TestReportType == entry->Report;
    case TIconRule::GsmEnabled:
        return p.GsmEnabled;
    case TIconRule::TestEnabled:
        return p.TestEnabled;
    case TIconRule::OutputStartsEnabled:
        return output && output->StartState == TStartState::Enabled;
    case TIconRule::OutputNotBistable:
        return !(output && output->WorkType == TWorkType::Bistable);
    }
    return std::nullopt;
}

std::string NodeIconName(const TTreeNodeData& node, const TProjectInfo& p) {
    const TNodeKindEntry* entry = NodeKindEntry(node.Kind);
    if (!entry)
        return {};
    return NodeMarkHolds(node, p).value_or(true) || !entry->IconOff ? entry->Icon : entry->IconOff;
}

std::optional<int> NodeHelpContext(TNodeKind kind) {
    const TNodeKindEntry* entry = NodeKindEntry(kind);
    if (!entry || entry->Help == 0)
        return std::nullopt;
    return entry->Help;
}

TNodeRowGeometry NodeRowGeometry(TNodeKind kind, int depth, int captionWidth) {
    const int base = 19 * depth - (kind == nkInfo ? 16 : 0);
    return {base, base + 18, base + captionWidth + 22, base + 19, 2};
}

} // namespace korvisel
