#pragma once

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "app/glyph_text.h"

#include <memory>
#include <optional>

// Colour values as the window's logic holds them: red + 256 * green + 65536 * blue.
using ColorValue = int;
constexpr ColorValue rgbValue(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}
QColor toQColor(ColorValue value);

// A command button drawn in its own background colour under every style.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

    void SetCaption(const QString& caption) { setText(caption); }
    ColorValue BackColor() const { return m_backColor; }
    void SetBackColor(ColorValue value);

private:
    ColorValue m_backColor = -1;  // -1: the style's own colours
};

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString& caption, QWidget* parent = nullptr);

    // Virtual: a number label shows its caption at the screen's ticks, whatever the pointer.
    virtual void SetCaption(const QString& caption);
    void SetBackColor(ColorValue value);

    // A number label whose text outgrows its place widens to the left, keeping its right
    // edge, so that an index of 1,000,000 is shown whole rather than cut.
    void setGrowsLeft(bool grows) { m_growsLeft = grows; }

private:
    void fitTextLeftwards();

    bool m_growsLeft = false;
    QRect m_placed;     // the geometry it was given, which it never shrinks below
    int m_fitted = -1;  // the text length its width was last fitted to (the face is fixed-pitch)
};

class ScreenRefresh;

// A label that shows a number beside a caption of its own (lblListIndexMonitor beside
// "Index"). A screen reader names it by that caption and reads the number as its value.
// Given a screen refresh, a label whose number changes with every received character shows
// it at the refresh's ticks; Caption gives the newest at once.
class NumberLabel : public Label {
    Q_OBJECT
public:
    NumberLabel(const QString& caption, QWidget* parent);

    void SetCaption(const QString& caption) override;
    // The caption is the number in decimal; setting the number it already shows costs nothing,
    // as the monitor's index label is set with every received character.
    void SetCaption(qint64 number);
    const QString& Caption() const { return m_caption; }
    void showAtTicksOf(ScreenRefresh* refresh);

protected:
    // Digits in a fixed-pitch face, drawn without shaping: the index changes 25 times a second.
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<GlyphText> m_glyphs;
    QString m_caption;
    std::optional<qint64> m_number;  // the number m_caption spells, when it was set as one
    ScreenRefresh* m_refresh = nullptr;
};
// Makes screen readers see number labels as above; once, before the first window.
void registerAccessibleControls();

// The port chooser: a drop-down list with an editable text field. Typing into the field
// leaves no entry selected, so ListIndex is -1 until an entry is chosen again.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    void Clear();
    void AddItem(const QString& text) { addItem(text); }
    int ListCount() const { return count(); }
    QString List(int index) const { return itemText(index); }
    int ListIndex() const { return m_textTyped ? -1 : currentIndex(); }
    void SetListIndex(int index);

private:
    bool m_textTyped = false;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

    // 0 when clear, 1 when ticked.
    int Value() const { return isChecked() ? 1 : 0; }
};
