#include "info/referenc.h"

#include "widgets/controls.h"
#include "widgets/layout.h"
#include "widgets/windowregistry.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace {

struct Entry
{
    const char *name;
    int top;
    int width;
    int height;
    const char *text;
};

// In order of publication year, each label as tall as its entry needs and 120
// twips below the one before; most entries take two lines, so the tops run lower
// than in the original layout, which had shorter entries. The last entry keeps
// its place. The entries are translated where they are shown (a translator may
// well keep a reference as it is).
constexpr Entry Entries[] = {
    {"Label1(2)", 720, 8295, 555,
     QT_TRANSLATE_NOOP(
         "Referenc",
         "Lewis, E. G. (1942). On the generation and growth of a population. Sankhyā 6: "
         "93–96.")},
    {"Label1(1)", 1395, 8415, 555,
     QT_TRANSLATE_NOOP(
         "Referenc",
         "Leslie, P. H. (1945). On the use of matrices in certain population mathematics. "
         "Biometrika 33: 183–212.")},
    {"Label1(3)", 2070, 8415, 555,
     QT_TRANSLATE_NOOP(
         "Referenc",
         "Gordon, H. S. (1954). The economic theory of a common-property resource: the fishery. "
         "Journal of Political Economy 62: 124–142.")},
    {"Label1(4)", 2745, 8415, 840,
     QT_TRANSLATE_NOOP(
         "Referenc",
         "Schaefer, M. B. (1954). Some aspects of the dynamics of populations important to the "
         "management of the commercial marine fisheries. Bulletin of the Inter-American Tropical "
         "Tuna Commission 1: 27–56.")},
    {"Label1(5)", 3705, 8415, 375,
     QT_TRANSLATE_NOOP("Referenc",
                       "Hardin, G. (1968). The tragedy of the commons. Science 162: 1243–1248.")},
    {"Label1(6)", 4200, 8415, 555,
     QT_TRANSLATE_NOOP(
         "Referenc",
         "May, R. M., Beddington, J. R., Clark, C. W., Holt, S. J. & Laws, R. M. (1979). "
         "Management of multispecies fisheries. Science 205: 267–277.")},
    {"Label2", 5160, 8415, 555,
     QT_TRANSLATE_NOOP(
         "Referenc",
         "Clark, C. W. (1990). Mathematical Bioeconomics: The Optimal Management of Renewable "
         "Resources, 2nd edition. Wiley, New York.")},
};

} // namespace

Referenc::Referenc() : ProgramWindow(FixedSingleBorder)
{
    //: the caption of the window with the list of references, and the heading of the list
    prepareWindow(this, "Referenc", tr("References"), 8685, 6840, Colours::White);
    const QFont font = designFont(TimesNewRoman, 12, true);

    Label1[0]
        = makeLabel<ClickLabel>(this, "Label1(0)", tr("References"), 240, 240, 6735, 255, font);
    // The array's elements in the order of the entries: 2, 1, 3, 4, 5, 6.
    constexpr int Elements[] = {2, 1, 3, 4, 5, 6};
    for (std::size_t i = 0; i < std::size(Entries); ++i) {
        const Entry &e = Entries[i];
        auto *label
            = makeLabel<ClickLabel>(this, e.name, QCoreApplication::translate("Referenc", e.text),
                                    240, e.top, e.width, e.height, font);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (i < std::size(Elements))
            Label1[std::size_t(Elements[i])] = label;
        else
            Label2 = label;
    }
    //: the button that closes the list of references
    Command1 = makeButton(this, "Command1", tr("OK"), 3960, 6240, 855, 495, font);

    connect(Command1, &QPushButton::clicked, this, &Referenc::Command1_Click);
    onKey(Qt::Key_Escape, [this] { Command1->click(); });
    for (int i = 0; i < int(Label1.size()); ++i)
        connect(Label1[std::size_t(i)], &ClickLabel::clicked, this, [this, i] { Label1_Click(i); });
    // A click on the last entry does nothing: the label takes it, so it does not
    // reach the window behind.
}

void Referenc::load()
{
    // The references in order of their year, as the window shows them.
    QList<const QLabel *> entries;
    for (QLabel *label : findChildren<QLabel *>())
        entries << label;
    std::sort(entries.begin(), entries.end(),
              [](const QLabel *a, const QLabel *b) { return a->y() < b->y(); });
    readWith(Command1, entries);
    centreOnScreen(this);
    Command1->setFocus();
}

void Referenc::Command1_Click() { WindowRegistry::goHome(*this); }
void Referenc::Label1_Click(int) { WindowRegistry::goHome(*this); }
void Referenc::Form_Unload() { WindowRegistry::goHome(*this); }

// A click on the empty window: the main window comes first, then this one goes.
void Referenc::Form_Click() { WindowRegistry::goHome(*this, WindowRegistry::Handover::ShowFirst); }

void Referenc::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event, rect());
    event->accept();
}

void Referenc::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (m_click.release(event, rect()))
        Form_Click();
}
