#pragma once

// The planner tab's files: a plan read from a file into something the tab can show, the
// document written out as a plan file, and the answer written out as CSV for a
// spreadsheet. Each write is whole or nothing (core's SaveFileWhole); a read checks the
// whole file before the tab changes anything. Failures come back as the message to show,
// naming the file and, for a plan, what is wrong in it and where.

#include "core/outcome.h"
#include "net/address_plan.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class PlanDocument;
class QAbstractItemModel;

// The extension plan files carry, without the dot, and the choosers' filters.
inline constexpr char kPlanSuffix[] = "ferolplan";
QString PlanFileFilter();
QString CsvFileFilter();

struct PlanRead
{
    std::optional<net::Plan> plan; // nothing when the file could not be read as a plan
    // Without a plan: why not. With one: what the user should know about it, if anything
    // (the networks stored are not the ones the plan gives now).
    QString message;
};

PlanRead ReadPlanAt(const QString& path);

// Refused while the parent text is not a network: the file would hold another parent
// than the one on screen.
Outcome SavePlanAt(const PlanDocument& document, const QString& path);

// The model's header and rows, its display texts, as RFC 4180 CSV in UTF-8.
QByteArray AnswerCsv(const QAbstractItemModel& model);
Outcome ExportAnswerCsv(const QAbstractItemModel& model, const QString& path);

// path with `suffix` added when its file name has none ("lab" -> "lab.ferolplan").
QString WithSuffix(const QString& path, const QString& suffix);

// How many plans the Open button's recent list keeps.
inline constexpr int kRecentPlansKept = 8;

// The recent list after `path` was opened or saved: first, once, and no longer than kept.
QStringList WithRecentPlan(QStringList recent, const QString& path);
