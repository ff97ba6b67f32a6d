// Paints the speedometer into the main picture from what speedometer.h
// computed.
#pragma once

#include <QImage>
#include <QRect>

#include "mainwindow/speedometer.h"

// The dial box painted white with the dial picture centred in it; returns the
// rectangle touched.
QRect drawDial(QImage& picture, const QImage& dial, const DialGeometry& g);
// The dial and its needle.
QRect drawSpeedometer(QImage& picture, const QImage& dial, const DialGeometry& g, const NeedleEnd& end);
