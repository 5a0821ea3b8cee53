#include "core/open_failure.h"

QString OpenFailureMessage(Opening what, const QString& target)
{
    switch (what) {
    case Opening::Report:
        return QStringLiteral("The report was saved as\n%1\nbut no program could open it.")
            .arg(target);
    case Opening::LicenseDocument:
        return QStringLiteral("The EULA Is Unavailable At This Time\n\nNo program could open\n%1")
            .arg(target);
    case Opening::WebAddress:
        return QStringLiteral("No web browser could open\n%1").arg(target);
    }
    return target;
}
