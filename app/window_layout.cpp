// Builds the window's controls in their creation state: captions, positions, fonts, colours.
#include "app/app_icon.h"
#include "app/fonts.h"
#include "app/main_window.h"
#include "app/translations.h"

namespace {

// Positions are given in twips, 15 to a pixel at 96 dpi; Qt scales logical pixels for
// other screens.
constexpr double kTwipsPerPixel = 15.0;
constexpr int kClientWidth = 14496;
constexpr int kClientHeight = 8232;

constexpr ColorValue kWindowGrey = rgbValue(192, 192, 192);
constexpr ColorValue kLightYellow = rgbValue(255, 255, 192);
constexpr ColorValue kGreen = rgbValue(0, 255, 0);
constexpr ColorValue kRed = rgbValue(255, 0, 0);
constexpr ColorValue kExitRed = rgbValue(255, 128, 128);

int pixels(int twips)
{
    return qRound(twips / kTwipsPerPixel);
}

template <typename Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height,
               const QFont& font)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
    control->setFont(font);
    return control;
}

void setBase(QWidget* control, ColorValue background)
{
    QPalette colors = control->palette();
    colors.setColor(QPalette::Base, toQColor(background));
    colors.setColor(QPalette::Text, control->palette().color(QPalette::WindowText));
    control->setPalette(colors);
}

}  // namespace

void frmWirelark::createControls()
{
    registerFontSubstitutes();
    installQtTranslations();
    registerAccessibleControls();
    setObjectName(QStringLiteral("frmWirelark"));
    setWindowTitle(QStringLiteral("Wirelark"));
    setWindowIcon(appicon::icon());
    setFixedSize(pixels(kClientWidth), pixels(kClientHeight));
    QPalette colors = palette();
    colors.setColor(QPalette::Window, toQColor(kWindowGrey));
    setPalette(colors);
    setAutoFillBackground(true);

    const QFont sansBold108 = windowFont(kSansSerif, 10.8, true);
    const QFont sansBold78 = windowFont(kSansSerif, 7.8, true);
    const QFont sansBold66 = windowFont(kSansSerif, 6.6, true);
    const QFont comic144 = windowFont(kComic, 14.4);
    const QFont comic108 = windowFont(kComic, 10.8);
    const QFont fixed108 = fixedPitchFont(10.8);
    const QFont fixed102 = fixedPitchFont(10.2);
    const QFont fixedBold102 = fixedPitchFont(10.2, true);

    // Port and status bar
    Label5 = place(new Label(QStringLiteral("ComPort"), this), "Label5", 117, 156, 1066, 247, sansBold108);
    cboPort = place(new ComboBox(this), "cboPort", 1287, 117, 715, 325, fixed102);
    cmdPortOpen = place(new CommandButton(QStringLiteral("Öffnen"), this), "cmdPortOpen",
                        2223, 117, 1183, 364, sansBold78);
    cmdPortOpen->SetBackColor(kGreen);
    Label1 = place(new Label(QStringLiteral("I2C - Rohdaten"), this), "Label1", 4914, 117, 2236, 364, comic144);
    lblMonitor = place(new Label(QStringLiteral("Monitor inaktiv"), this), "lblMonitor",
                       7956, 117, 1885, 364, comic108);
    lblMonitor->SetBackColor(kRed);
    lblMonitor->setAlignment(Qt::AlignCenter);
    cmdClose = place(new CommandButton(QStringLiteral("Exit"), this), "cmdClose", 12987, 117, 1300, 377, sansBold108);
    cmdClose->SetBackColor(kExitRed);
    cmdClose->setToolTip(QStringLiteral(" Programm beenden"));

    // Raw-data monitor
    lstMonitor = place(new ListBox(ListBox::SelectionKind::Single, m_screenRefresh, this), "lstMonitor",
                       117, 585, 14170, 2928, fixed108);
    setBase(lstMonitor, kLightYellow);
    lstMonitor->setToolTip(
        QStringLiteral("I2C-Monitordaten: Doppelklick zum Übernehmen  /  F12 für CRLF"));
    cmdClear = place(new CommandButton(QStringLiteral("Clear"), this), "cmdClear", 117, 3744, 1300, 364, sansBold66);
    cmdClear->setToolTip(QStringLiteral("Löscht Daten"));
    cmdNewLine = place(new CommandButton(QStringLiteral("&New Line"), this), "cmdNewLine",
                       1638, 3744, 1183, 364, sansBold66);
    cmdNewLine->setToolTip(QStringLiteral("Neue Zeile"));
    cmdSaveMon = place(new CommandButton(QStringLiteral("Save"), this), "cmdSaveMon", 3042, 3744, 1183, 364, sansBold66);
    cmdSaveMon->setToolTip(QStringLiteral("Speichert Daten"));
    chkCRLF = place(new CheckBox(QStringLiteral("CRLF nach STOP"), this), "chkCRLF",
                    4563, 3744, 1885, 364, sansBold78);
    chkCRLF->setChecked(true);
    lblListIndexMonitor = place(new NumberLabel(QStringLiteral("Index"), this), "lblListIndexMonitor",
                                13221, 3809, 364, 247, fixedBold102);
    lblListIndexMonitor->SetBackColor(kLightYellow);
    lblListIndexMonitor->setGrowsLeft(true);
    lblListIndexMonitor->showAtTicksOf(&m_screenRefresh);
    Label3 = place(new Label(QStringLiteral("Index"), this), "Label3", 13689, 3809, 598, 247, sansBold78);
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(pixels(117), pixels(4212) - 1, pixels(14274 - 117), 2);

    // Search results
    Label7 = place(new Label(QStringLiteral("Suchergebnisse"), this), "Label7", 1521, 4329, 2119, 364, comic144);
    cmdClearResultAutoFilter = place(new CommandButton(QStringLiteral("Clear"), this),
                                     "cmdClearResultAutoFilter", 4329, 4329, 832, 364, sansBold66);
    cmdClearResultAutoFilter->setToolTip(QStringLiteral("Löscht Suchergebnisse"));
    lstResult = place(new ListBox(ListBox::SelectionKind::Single, m_screenRefresh, this), "lstResult",
                      234, 4797, 4927, 3168, fixed108);
    setBase(lstResult, kLightYellow);

    // Search strings
    cmdDeselectAll = place(new CommandButton(QStringLiteral("Deselect all"), this), "cmdDeselectAll",
                           8307, 4329, 1183, 364, sansBold66);
    cmdDeselectAll->setToolTip(QStringLiteral("Löscht Suchergebnisse"));
    Label6 = place(new Label(QStringLiteral("Suchstrings"), this), "Label6", 9945, 4329, 1651, 364, comic144);
    Label2 = place(new Label(QStringLiteral("SelCount"), this), "Label2", 11817, 4446, 949, 247, sansBold78);
    lblSelCount = place(new NumberLabel(QStringLiteral("SelCount"), this), "lblSelCount",
                        12753, 4446, 364, 247, fixed102);
    lblSelCount->SetBackColor(kLightYellow);
    lstAutoFilter = place(new ListBox(ListBox::SelectionKind::Simple, m_screenRefresh, this), "lstAutoFilter",
                          8307, 4797, 4927, 3168, fixed108);
    setBase(lstAutoFilter, kLightYellow);
    cmdClearAutoFilter = place(new CommandButton(QStringLiteral("Clear"), this), "cmdClearAutoFilter",
                               13455, 4797, 832, 364, sansBold66);
    cmdClearAutoFilter->setToolTip(QStringLiteral("Löscht Suchstringdaten"));
    cmdAddItemAutoFilter = place(new CommandButton(QStringLiteral("Add"), this), "cmdAddItemAutoFilter",
                                 13455, 5382, 832, 364, sansBold66);
    cmdAddItemAutoFilter->setToolTip(QStringLiteral("Filterstring hinzufügen"));
    cmdRemoveItemAutoFilter = place(new CommandButton(QStringLiteral("Del"), this), "cmdRemoveItemAutoFilter",
                                    13455, 5967, 832, 364, sansBold66);
    cmdRemoveItemAutoFilter->setToolTip(QStringLiteral("Filterstring entfernen"));
    cmdReadFilter = place(new CommandButton(QStringLiteral("Read"), this), "cmdReadFilter",
                          13455, 7137, 832, 364, sansBold66);
    cmdReadFilter->setToolTip(QStringLiteral("Liest Suchstrings ein"));
    cmdSaveFilter = place(new CommandButton(QStringLiteral("Save"), this), "cmdSaveFilter",
                          13455, 7722, 832, 364, sansBold66);
    cmdSaveFilter->setToolTip(QStringLiteral("Speichert Suchstrings"));

    // A screen reader names each list and the chooser by its heading (item views take only
    // an accessible name; a combo box on Linux is named by the label whose buddy it is), and
    // tells every control's tooltip as its description (item views do not by themselves).
    const std::initializer_list<std::pair<Label*, QWidget*>> headings = {
        {Label1, lstMonitor}, {Label7, lstResult}, {Label6, lstAutoFilter}, {Label5, cboPort}};
    for (const auto& [heading, control] : headings) {
        heading->setBuddy(control);
        control->setAccessibleName(heading->text());
    }
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setAccessibleDescription(control->toolTip());

    // Labels, the rule and the index displays never take the focus.
    for (QWidget* passive : std::initializer_list<QWidget*>{
             Label5, Label1, lblMonitor, lblListIndexMonitor, Label3, Line1, Label7, Label6,
             Label2, lblSelCount})
        passive->setFocusPolicy(Qt::NoFocus);
}

void frmWirelark::setFocusOrder()
{
    const std::initializer_list<QWidget*> order = {
        cmdClose, lstMonitor, cmdClear, cmdNewLine, cmdSaveMon, chkCRLF, cmdPortOpen, cboPort,
        lstResult, cmdClearResultAutoFilter, lstAutoFilter, cmdReadFilter, cmdSaveFilter,
        cmdClearAutoFilter, cmdRemoveItemAutoFilter, cmdAddItemAutoFilter, cmdDeselectAll};
    QWidget* previous = nullptr;
    for (QWidget* control : order) {
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
    cmdClose->setFocus();
}
