// SPDX-License-Identifier: GPL-3.0-or-later
#include "desarrollo/plot_plugin.h"

#include "plot/plot_panel.h"

#include <QCoreApplication>
#include <QPluginLoader>

PlotPanelFactory* plotPanelFactory()
{
    static PlotPanelFactory* const loaded = []() -> PlotPanelFactory* {
        const QString here = QCoreApplication::applicationDirPath();
        for (const QString& folder : {here, here + QStringLiteral("/" TRX_MODULE_DIR)}) {
            QPluginLoader plugin(folder + QStringLiteral("/trx_plot"));
            if (auto* factory = qobject_cast<PlotPanelFactory*>(plugin.instance()))
                return factory;
        }
        return nullptr;
    }();
    return loaded;
}
