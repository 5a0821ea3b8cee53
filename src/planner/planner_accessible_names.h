#pragma once

// What assistive technology hears for each control of the planner, and which caption
// labels which control.

#include "core/accessible_texts.h"

inline constexpr AccessibleText kPlannerAccessibleNames[] = {
    {.control = "txtParent",
     .name = QT_TRANSLATE_NOOP("ucPlanner", "Network to divide"),
     .description =
         QT_TRANSLATE_NOOP("ucPlanner", "An IPv4 or IPv6 network with its prefix length or mask"),
     .caption = "lblParent"},
    {.control = "lblParentStatus",
     .name = QT_TRANSLATE_NOOP("ucPlanner", "Network to divide, problem")},
    {.control = "cboMode",
     .name = QT_TRANSLATE_NOOP("ucPlanner", "How to divide"),
     .caption = "lblMode"},
    {.control = "spnSplitLength",
     .name = QT_TRANSLATE_NOOP("ucPlanner", "Prefix length of each network")},
    {.control = "spnSplitCount", .name = QT_TRANSLATE_NOOP("ucPlanner", "Number of networks")},
    {.control = "chkRfc3021", .name = QT_TRANSLATE_NOOP("ucPlanner", "Two-host needs take a /31")},
    {.control = "picPlan",
     .name = QT_TRANSLATE_NOOP("ucPlanner", "Plan picture"),
     .description = QT_TRANSLATE_NOOP(
         "ucPlanner", "The parent's addresses from first to last; Left and Right select a "
                      "network")},
    {.control = "lblPlanStatus", .name = QT_TRANSLATE_NOOP("ucPlanner", "Plan result")},
    {.control = "tblNeeds",
     .name = QT_TRANSLATE_NOOP("ucPlanner", "Needs"),
     .description = QT_TRANSLATE_NOOP(
         "ucPlanner", "One row per need, a name and a size; paste lines of name and size"),
     .caption = "lblNeeds"},
    {.control = "lblNeedsMessage",
     .name = QT_TRANSLATE_NOOP("ucPlanner", "Needs, what a paste left out")},
    {.control = "cmdAddNeed", .name = QT_TRANSLATE_NOOP("ucPlanner", "Add need")},
    {.control = "cmdRemoveNeed", .name = QT_TRANSLATE_NOOP("ucPlanner", "Remove need")},
    {.control = "cmdMoveNeedUp", .name = QT_TRANSLATE_NOOP("ucPlanner", "Move need up")},
    {.control = "cmdMoveNeedDown", .name = QT_TRANSLATE_NOOP("ucPlanner", "Move need down")},
    {.control = "cmdPasteNeeds", .name = QT_TRANSLATE_NOOP("ucPlanner", "Paste needs")},
    {.control = "tblAnswer",
     .name = QT_TRANSLATE_NOOP("ucPlanner", "Allocated networks"),
     .caption = "lblAnswer"},
    {.control = "cmdCopyAnswer",
     .name = QT_TRANSLATE_NOOP("ucPlanner", "Copy the allocated networks as text")},
};
