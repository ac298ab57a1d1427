#pragma once

#include "widgets/programwindow.h"

class QGroupBox;
class QLabel;
class QPushButton;

// The dedication, the last window of the program: its button ends the program.
class Vater : public ProgramWindow
{
    Q_OBJECT
public:
    Vater();
    void load() override;

    QGroupBox *Frame1 = nullptr;
    QLabel *Picture2 = nullptr;      // the memorial picture
    QPushButton *Command1 = nullptr; // "God rest his soul"

public slots:
    void Command1_Click();

protected:
    // Nothing is left to return to: closing the window ends the program as well.
    void Form_Unload() override;
};
