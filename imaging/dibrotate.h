#pragma once
// Turning pictures by quarter and half turns.
#include "imaging/GrafikRW.h"

// Replace dib by a copy turned a quarter turn counter-clockwise, a quarter turn
// clockwise, or a half turn. Progress goes to the imaging notifier.
void RotLeft(DibImage &dib);
void RotRight(DibImage &dib);
void Rot180(DibImage &dib);
