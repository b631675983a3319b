// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's texts in the user's language.  They keep the context
// "Form1" wherever the part of the window that shows them lives.

#include <QCoreApplication>
#include <QString>

inline QString form1Text(const char* source)
{
    return QCoreApplication::translate("Form1", source);
}
