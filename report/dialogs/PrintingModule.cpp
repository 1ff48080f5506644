#include "report/dialogs/PrintingModule.h"

#include "report/dialogs/DialogReportRunner.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT ReportRunner *halvexCreateReportRunner(QWidget *parent, const ReportMessages &messages)
{
    return new DialogReportRunner(parent, messages);
}
