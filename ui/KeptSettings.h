#pragma once
// The ten control properties kept between runs in the user's settings store,
// under the keys "SchneidBtn.Checked", "BezEd.Text", ... The controls are
// found by their object names below the main window.
class QWidget;

// Puts the kept values back into the controls; absent keys leave a control as it is.
void restoreKeptSettings(QWidget *mainWindow);
// Keeps the controls' current values.
void storeKeptSettings(QWidget *mainWindow);
