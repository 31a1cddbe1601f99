#pragma once

#include <QColor>
#include <QWidget>

#include <cstdint>
#include <optional>

namespace tarlen {

class LineListBox;

// "Değerler": lists every stored point of the run, one line each, in the order taken. It has
// no behaviour of its own; point capture, the line commands and the graph chooser drive it.
class Form5 : public QWidget {
    Q_OBJECT

public:
    explicit Form5(QWidget *parent = nullptr);

    // Adds a line at the end of List1 and selects it, which scrolls it into view.
    void appendEntry(const QString &entry);
    // One colour for the whole list, lines already there included.
    void setListTextColor(const QColor &color);
    // Nothing ever draws on the window itself, so there is nothing to wipe; the list stays.
    void clearDrawingSurface();

    // The list colour of a new line: the 16-colour palette entry of lines 1 to 8, none from
    // line 9 on (and for 0 or less), when the list keeps the colour it has.
    static std::optional<QColor> lineColor(std::int16_t lineNumber);

private:
    LineListBox *m_list = nullptr;
};

} // namespace tarlen
