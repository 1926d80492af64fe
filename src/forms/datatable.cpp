// SPDX-License-Identifier: GPL-3.0-or-later
#include "datatable.h"

#include "session/numbertext.h"

#include <QCoreApplication>

namespace drevant {

bool printDataPage(DrawingSurface& panel, const DeclareVars& vars, int page,
                   const QLocale& locale) {
    panel.cls();
    ZonedPair(panel, QCoreApplication::translate("DataTable", "Titrant (mL)"),
              QCoreApplication::translate("DataTable", "pH "));
    for (int i = DataPageRows * page + 1; i <= DataPageRows * page + DataPageRows; ++i) {
        // Past the log's last index there is no data either (cannot happen under the burette
        // limit, but a page must never read outside the log).
        if (!holdsPoint(vars.VolLog, i)) {
            TextLine(panel, QCoreApplication::translate("DataTable", "End of data"));
            return true;
        }
        const Number volumeMl = vars.VolLog[i].number() * Number::integer(1000);
        ZonedPair(panel, twoDecimals(volumeMl.toDouble(), locale),
                  twoDecimals(vars.PhLog[i].number().toDouble(), locale));
    }
    return false;
}

} // namespace drevant
