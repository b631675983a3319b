// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Translator (formula/translatable.h) that the windows hand to the
// Qt-free parts: their sentences in the application's language.

#include <QCoreApplication>

#include <string>

inline std::string translated(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}
