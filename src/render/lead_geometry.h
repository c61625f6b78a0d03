// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Geometry shared by the leads of the two-lead kinds (Resistor, Capacitor,
// Diode, Led, Electrolyte) and the bodies drawn between them: the direction of
// the span and how much of it the leads cover.

#include <QPoint>
#include <pugixml.hpp>

namespace sw {

// The kinds drawn as two leads and a body image centred between them
// (Resistor, Capacitor, Diode, Led and Electrolyte; render/kind_drawing.h).
bool IsTwoLeadKind(pugi::xml_node element);

// Direction from (x1, y1) to (x2, y2) in screen coordinates (y downward, 0 points
// right, pi/2 down). A row gives exactly 0 or pi, a column exactly pi/2 or -pi/2,
// anything else the arctangent of the slope, turned by pi when the span points left.
double LeadAngle(int x1, int y1, int x2, int y2);
inline double LeadAngle(QPoint p1, QPoint p2) { return LeadAngle(p1.x(), p1.y(), p2.x(), p2.y()); }

// Length of each lead: the span (rounded, halves to even) less the part the body
// covers (36 pixels, 32 for a Led), halved with truncation toward zero. Zero or
// negative on short spans, where the leads point outward from the holes.
int LeadLength(QPoint p1, QPoint p2, bool isLed);

// Where lead 1 (from p1) and lead 2 (from p2) end, `length` pixels along the
// lead angle from each hole toward the other.
QPoint LeadEnd1(QPoint p1, double angle, int length);
QPoint LeadEnd2(QPoint p2, double angle, int length);

}  // namespace sw
