#pragma once

#include "widgets/programwindow.h"

// The blank full-screen backdrop behind every other window: navy while the title
// shows, white while the proverb shows, black once the main window shows.
class Backform : public ProgramWindow
{
    Q_OBJECT
public:
    Backform();
    void showMaximisedBehind();
    void setBackground(const QColor &colour);
    QColor background() const;
};
