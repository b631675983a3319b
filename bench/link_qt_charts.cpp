// SPDX-License-Identifier: GPL-3.0-or-later
// Built into a start-up probe to load Qt Charts, and the OpenGL libraries it
// brings, at start-up, as if the plot were part of the program rather than a
// plug-in: a reference that no linker may drop, whatever its --as-needed.

#include <QChartView>

extern const QMetaObject* const qtChartsLinked;
const QMetaObject* const qtChartsLinked = &QChartView::staticMetaObject;
