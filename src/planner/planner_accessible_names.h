#pragma once

// What assistive technology hears for each control of the planner, and which caption
// labels which control.

#include "core/accessible_texts.h"

inline constexpr AccessibleText kPlannerAccessibleNames[] = {
    {.control = "txtParent",
     .name = "Network to divide",
     .description = "An IPv4 or IPv6 network with its prefix length or mask",
     .caption = "lblParent"},
    {.control = "lblParentStatus", .name = "Network to divide, problem"},
    {.control = "cboMode", .name = "How to divide", .caption = "lblMode"},
    {.control = "spnSplitLength", .name = "Prefix length of each network"},
    {.control = "spnSplitCount", .name = "Number of networks"},
    {.control = "chkRfc3021", .name = "Two-host needs take a /31"},
    {.control = "picPlan",
     .name = "Plan picture",
     .description = "The parent's addresses from first to last; Left and Right select a "
                    "network"},
    {.control = "lblPlanStatus", .name = "Plan result"},
    {.control = "tblNeeds",
     .name = "Needs",
     .description = "One row per need, a name and a size; paste lines of name and size",
     .caption = "lblNeeds"},
    {.control = "lblNeedsMessage", .name = "Needs, what a paste left out"},
    {.control = "cmdAddNeed", .name = "Add need"},
    {.control = "cmdRemoveNeed", .name = "Remove need"},
    {.control = "cmdMoveNeedUp", .name = "Move need up"},
    {.control = "cmdMoveNeedDown", .name = "Move need down"},
    {.control = "cmdPasteNeeds", .name = "Paste needs"},
    {.control = "tblAnswer", .name = "Allocated networks", .caption = "lblAnswer"},
    {.control = "cmdCopyAnswer", .name = "Copy the allocated networks as text"},
};
