#pragma once

#include "widgets/programwindow.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The introduction to harvest theory, opened by "More ..." in the main window. From
// here the student goes on to the references or back with "OK".
class Introfrm : public ProgramWindow
{
    Q_OBJECT
public:
    Introfrm();
    void load() override;

    // The introduction as one paragraph.
    static QString introductionText();

protected:
    void Form_Unload() override;

private slots:
    void Command1_Click();
    void Command2_Click();

private:
    QLabel *Label1 = nullptr;        // the heading
    QPlainTextEdit *Text1 = nullptr; // the introduction, read-only, scrolled
    QPushButton *Command2 = nullptr; // "References"
    QPushButton *Command1 = nullptr; // "OK"
};
