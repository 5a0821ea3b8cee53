#include "core/open_failure.h"

#include <QCoreApplication>

QString OpenFailureMessage(Opening what, const QString& target)
{
    switch (what) {
    case Opening::Report:
        return QCoreApplication::translate(
                   "ReportFile", "The report was saved as\n%1\nbut no program could open it.")
            .arg(target);
    case Opening::LicenseDocument:
        return QCoreApplication::translate(
                   "ReportFile",
                   "The EULA Is Unavailable At This Time\n\nNo program could open\n%1")
            .arg(target);
    case Opening::WebAddress:
        return QCoreApplication::translate("ReportFile", "No web browser could open\n%1")
            .arg(target);
    }
    return target;
}
