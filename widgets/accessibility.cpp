#include "widgets/accessibility.h"

#include "widgets/controls.h"
#include "widgets/spokenitems.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

bool isSpace(QChar c) { return c.isSpace(); }

// The text interface of a line of text, answered here rather than by Qt: asked for
// the word at the end of a text box, Qt 6.4 searches forever and the program
// hangs; and it reports the text's attributes in empty runs, which Orca 43 merges
// so that the last character of a value is lost ("10" read as "1"). A line has one
// run of attributes, and words are runs of letters and digits with the blanks after
// them, as a screen reader moving word by word expects.
class LineText : public QAccessibleTextInterface
{
public:
    virtual QString line() const = 0;

    QString text(int startOffset, int endOffset) const override
    {
        const QString all = line();
        const int start = std::clamp(startOffset, 0, int(all.size()));
        const int end
            = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, start, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(line().size()); }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                         int *endOffset) const override
    {
        const QString all = line();
        const int length = int(all.size());
        if (offset == -2)
            offset = cursorPosition();
        offset = std::clamp(offset, 0, length);
        int start = 0;
        int end = length;
        switch (boundary) {
        case QAccessible::CharBoundary:
            start = offset;
            end = std::min(offset + 1, length);
            break;
        case QAccessible::WordBoundary:
            if (offset >= length) {
                start = end = length; // past the last word: nothing
                break;
            }
            start = offset;
            // Back to the start of the word, over the blanks that follow a word.
            while (start > 0 && isSpace(all.at(start)))
                --start;
            while (start > 0 && !isSpace(all.at(start - 1)))
                --start;
            end = offset;
            while (end < length && !isSpace(all.at(end)))
                ++end;
            while (end < length && isSpace(all.at(end)))
                ++end;
            break;
        default: break; // a sentence, a paragraph, a line: the whole line
        }
        *startOffset = start;
        *endOffset = end;
        return all.mid(start, end - start);
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                             int *endOffset) const override
    {
        int start = 0;
        int end = 0;
        textAtOffset(offset, boundary, &start, &end);
        if (start <= 0) {
            *startOffset = *endOffset = 0;
            return {};
        }
        return textAtOffset(start - 1, boundary, startOffset, endOffset);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                            int *endOffset) const override
    {
        int start = 0;
        int end = 0;
        textAtOffset(offset, boundary, &start, &end);
        const int length = characterCount();
        if (end >= length) {
            *startOffset = *endOffset = length;
            return {};
        }
        return textAtOffset(end, boundary, startOffset, endOffset);
    }

    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    void scrollToSubstring(int, int) override {}
};

// A text box of the program: its label's name, its text, its caret and selection.
class LineEditAccessible : public QAccessibleWidget,
                           public LineText,
                           public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {}

    QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }
    QString line() const override { return edit()->text(); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return edit()->text();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value && !edit()->isReadOnly())
            edit()->setText(text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !edit()->isReadOnly();
        state.readOnly = edit()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (t == QAccessible::EditableTextInterface && !edit()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The selection: a line edit has at most one.
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index == 0 && edit()->hasSelectedText()) {
            *startOffset = edit()->selectionStart();
            *endOffset = edit()->selectionEnd();
        }
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override { edit()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        edit()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }

    QString text(int startOffset, int endOffset) const override
    {
        return LineText::text(startOffset, endOffset);
    }
    QRect characterRect(int offset) const override
    {
        const QString all = edit()->text();
        const QFontMetrics metrics = edit()->fontMetrics();
        const QRect contents = edit()->contentsRect();
        const int x = metrics.horizontalAdvance(all.left(offset));
        const int width = offset < all.size() ? metrics.horizontalAdvance(all.at(offset)) : 1;
        const QRect local(contents.left() + x, contents.top(), width, contents.height());
        return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }

    // Editing, where the box takes entries.
    void deleteText(int startOffset, int endOffset) override
    {
        replaceText(startOffset, endOffset, QString());
    }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        if (edit()->isReadOnly())
            return;
        QString all = edit()->text();
        const int start = std::clamp(startOffset, 0, int(all.size()));
        const int end = std::clamp(endOffset, start, int(all.size()));
        edit()->setText(all.replace(start, end - start, text));
    }
};

// A result shown in a label that the student reaches with Tab: read-only text, its
// name the result itself followed by what it is (the caption beside it), so a
// screen reader says the number first.
class ResultLabelAccessible : public QAccessibleWidget, public LineText
{
public:
    explicit ResultLabelAccessible(ResultLabel *label)
        : QAccessibleWidget(label, QAccessible::EditableText)
    {}

    QString line() const override { return static_cast<ResultLabel *>(widget())->text(); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return line();
        if (t == QAccessible::Name) {
            QString caption = static_cast<ResultLabel *>(widget())->caption();
            while (caption.endsWith(QLatin1Char(':')))
                caption.chop(1);
            return caption.isEmpty() ? line() : line() + QStringLiteral(", ") + caption;
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.selectableText = true;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return LineText::text(startOffset, endOffset);
    }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint &) const override { return 0; }
};

QAccessibleInterface *programWidgets(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer"))
        if (auto *announcer = qobject_cast<Announcer *>(object))
            return new HostAccessible(announcer, QAccessible::Client, announcer->items(),
                                      HostAccessible::WidgetChildren::Hidden);
    if (className == QLatin1String("TextBox") || className == QLatin1String("ResultBox"))
        if (auto *edit = qobject_cast<QLineEdit *>(object))
            return new LineEditAccessible(edit);
    if (className == QLatin1String("ResultLabel"))
        if (auto *label = qobject_cast<ResultLabel *>(object))
            return new ResultLabelAccessible(label);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(programWidgets);
}
