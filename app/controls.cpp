#include "app/controls.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPainter>

#include "app/list_box.h"
#include "app/screen_refresh.h"

QColor toQColor(ColorValue value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    // A window without default or cancel button: Enter and Esc press nothing by themselves.
    setAutoDefault(false);
    setDefault(false);
}

void CommandButton::SetBackColor(ColorValue value)
{
    m_backColor = value;
    // A style sheet with a border of its own is the one way every Qt style paints the colour.
    const QString color = toQColor(value).name();
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040;"
                                 " border-radius: 2px; padding: 1px; }"
                                 "QPushButton:pressed { border: 2px inset #404040; }"
                                 "QPushButton:focus { border: 1px dotted #000000; }")
                      .arg(color));
}

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
}

void Label::SetCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    if (m_growsLeft)
        fitTextLeftwards();
}

void Label::fitTextLeftwards()
{
    // Number labels use a fixed-pitch face: only a change of length can change the width.
    if (text().size() == m_fitted)
        return;
    m_fitted = static_cast<int>(text().size());
    if (!m_placed.isValid())
        m_placed = geometry();
    const int needed = fontMetrics().horizontalAdvance(text()) + 2 * (margin() + frameWidth()) + 2;
    const int width = std::max(m_placed.width(), needed);
    if (width != this->width())
        setGeometry(m_placed.x() + m_placed.width() - width, m_placed.y(), width, m_placed.height());
}

void Label::SetBackColor(ColorValue value)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Window, toQColor(value));
    setPalette(colors);
    setAutoFillBackground(true);
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_textTyped = true; });
    connect(this, qOverload<int>(&QComboBox::activated), this, [this] { m_textTyped = false; });
}

void ComboBox::Clear()
{
    clear();
    clearEditText();
    m_textTyped = false;
}

void ComboBox::SetListIndex(int index)
{
    setCurrentIndex(index);
    m_textTyped = false;
}

NumberLabel::NumberLabel(const QString& caption, QWidget* parent) : Label(QString(), parent)
{
    setAccessibleName(caption);
}

void NumberLabel::SetCaption(qint64 number)
{
    if (m_number == number)
        return;
    SetCaption(QString::number(number));
    m_number = number;
}

void NumberLabel::SetCaption(const QString& caption)
{
    m_number.reset();
    m_caption = caption;
    if (!m_refresh) {
        Label::SetCaption(caption);
        return;
    }
    m_refresh->request();
}

void NumberLabel::paintEvent(QPaintEvent*)
{
    if (!m_glyphs)
        m_glyphs = std::make_unique<GlyphText>(font());
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect area = contentsRect();
    m_glyphs->draw(painter, QPointF(area.left(), area.top() + (area.height() - m_glyphs->height()) / 2),
                   QByteArrayView(text().toLatin1()));
}

void NumberLabel::changeEvent(QEvent* event)
{
    Label::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_glyphs.reset();
}

void NumberLabel::showAtTicksOf(ScreenRefresh* refresh)
{
    m_refresh = refresh;
    // Unchanged captions cost nothing here: SetCaption compares with what is shown.
    connect(refresh, &ScreenRefresh::tick, this, [this] { Label::SetCaption(m_caption); });
}

namespace {

class AccessibleNumberLabel : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleNumberLabel(QWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return number();
        return QAccessibleWidget::text(kind);
    }
    QVariant currentValue() const override
    {
        bool ok = false;
        const qlonglong value = number().toLongLong(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    void setCurrentValue(const QVariant&) override {}  // shown, never set by the user
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

private:
    QString number() const { return static_cast<const NumberLabel*>(widget())->Caption(); }
};

QAccessibleInterface* accessibleControl(const QString& className, QObject* object)
{
    if (className == QLatin1String("NumberLabel") && object && object->isWidgetType())
        return new AccessibleNumberLabel(static_cast<QWidget*>(object));
    if (className == QLatin1String("ListBox"))
        return accessibleListBox(object);
    return nullptr;
}

}  // namespace

void registerAccessibleControls()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    QAccessible::installFactory(accessibleControl);
}
