// SPDX-License-Identifier: GPL-3.0-or-later
#include "desarrollo/program_module.h"

#include <QCoreApplication>
#include <QLibrary>

QFunctionPointer programModuleFunction(const char* name, const char* symbol)
{
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& folder : {here, here + QStringLiteral("/" TRX_MODULE_DIR)}) {
        QLibrary module(folder + QLatin1Char('/') + QLatin1String(name));
        if (const QFunctionPointer function = module.resolve(symbol))
            return function;
    }
    return nullptr;
}
