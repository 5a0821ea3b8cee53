#include "planner/plan_files.h"

#include "core/report_file.h"
#include "net/csv_text.h"
#include "net/plan_file.h"
#include "planner/plan_document.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string>
#include <variant>
#include <vector>

namespace {

// The context the catalogues file these texts under; lupdate finds PlanFiles::tr() calls,
// where a helper of our own would hide them from it.
struct PlanFiles
{
    Q_DECLARE_TR_FUNCTIONS(PlanFiles)
};

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString PlanFileFilter()
{
    return PlanFiles::tr("Address plans (*.%1);;All files (*)").arg(QLatin1String(kPlanSuffix));
}

QString CsvFileFilter()
{
    return PlanFiles::tr("CSV files (*.csv);;All files (*)");
}

PlanRead ReadPlanAt(const QString& path)
{
    const net::PlanFileResult read = net::ReadPlanFile(QFile::encodeName(path).toStdString());
    if (const auto* error = std::get_if<net::PlanFileError>(&read)) {
        return {std::nullopt, PlanFiles::tr("%1 was not opened.\n%2")
                                  .arg(Native(path), QString::fromStdString(error->message()))};
    }
    const auto& stored = std::get<net::StoredPlan>(read);
    PlanRead opened{stored.plan, {}};
    if (const auto differs = net::StoredAnswerDiffers(stored, net::PlanAddresses(stored.plan))) {
        opened.message =
            PlanFiles::tr("The networks stored in %1 are not the ones its plan gives (%2). "
                          "The plan's own are shown.")
                .arg(Native(path), QString::fromStdString(*differs));
    }
    return opened;
}

Outcome SavePlanAt(const PlanDocument& document, const QString& path)
{
    if (document.parentError()) {
        return Outcome::failure(PlanFiles::tr("The plan was not saved: '%1' is not a network yet.")
                                    .arg(document.parentText()));
    }
    const std::string text = net::PlanFileText(document.plan(), document.answer());
    return SaveFileWhole(path, QByteArray::fromStdString(text), PlanFiles::tr("The plan"));
}

QByteArray AnswerCsv(const QAbstractItemModel& model)
{
    std::vector<std::vector<std::string>> records(1);
    for (int column = 0; column < model.columnCount(); ++column)
        records[0].push_back(model.headerData(column, Qt::Horizontal).toString().toStdString());
    for (int row = 0; row < model.rowCount(); ++row) {
        auto& record = records.emplace_back();
        for (int column = 0; column < model.columnCount(); ++column)
            record.push_back(model.index(row, column).data().toString().toStdString());
    }
    return QByteArray::fromStdString(net::CsvTable(records));
}

Outcome ExportAnswerCsv(const QAbstractItemModel& model, const QString& path)
{
    return SaveFileWhole(path, AnswerCsv(model), PlanFiles::tr("The answer"));
}

QString WithSuffix(const QString& path, const QString& suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

QStringList WithRecentPlan(QStringList recent, const QString& path)
{
    recent.removeAll(path);
    recent.prepend(path);
    return recent.mid(0, kRecentPlansKept);
}
