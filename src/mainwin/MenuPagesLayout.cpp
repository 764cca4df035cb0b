// Construction of the "Menu 1" and "Menu 2" page controls: captions, entries,
// initial states, help topic numbers and the arrangement in group boxes.
#include "mainwin/MenuPages.h"

#include "mainwin/MainWindow.h"
#include "rules/MenuRules.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

void SetHelp(QWidget* control, int context)
{
    MainWindow::SetHelpContext(control, context);
}

void SetHelp(RadioGroup* group, int context)
{
    // F1 asks the focused control, which is one of the group's buttons.
    SetHelp(static_cast<QWidget*>(group), context);
    for (int i = 0; i < group->Count(); ++i)
        SetHelp(group->Button(i), context);
}

QVBoxLayout* BoxLayout(QGroupBox* box)
{
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(2);
    return layout;
}

QComboBox* FixedList(const QStringList& entries, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->addItems(entries);
    list->setEditable(false);
    list->setMaxVisibleItems(16);
    return list;
}

QStringList Numbers(int first, int last)
{
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers << QString::number(n);
    return numbers;
}

// A label above its drop-down list, as one row of a group box.
void AddLabelled(QVBoxLayout* layout, QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(label);
    row->addStretch();
    row->addWidget(control);
    layout->addLayout(row);
}

QGridLayout* PageLayout(QWidget* page)
{
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(4);
    return grid;
}

} // namespace

void MenuPages::BuildMenu1(QWidget* page)
{
    // Operation band and balance.
    GroupBox_Band = new QGroupBox(tr("&Operation Band"), page);
    RadioGroup_Band = new RadioGroup(QString(), {tr("\"A\" Band"), tr("\"B\" Band")}, 2, GroupBox_Band);
    RadioGroup_Band->setFlat(true);
    // The captionless group inside the box is announced with the box's title.
    RadioGroup_Band->setAccessibleName(tr("Operation Band"));
    BoxLayout(GroupBox_Band)->addWidget(RadioGroup_Band);
    SetHelp(RadioGroup_Band, 300);

    GroupBox_Bal = new QGroupBox(tr("&Balance"), page);
    TrackBer_Bal = new QSlider(Qt::Horizontal, GroupBox_Bal);
    TrackBer_Bal->setRange(0, 4);
    TrackBer_Bal->setSingleStep(1);
    TrackBer_Bal->setPageStep(1);
    TrackBer_Bal->setTickInterval(1);
    TrackBer_Bal->setTickPosition(QSlider::TicksBelow);
    TrackBer_Bal->setValue(2);
    TrackBer_Bal->setAccessibleName(tr("Balance"));
    TrackBer_Bal->setAccessibleDescription(
        tr("0 is the \"A\" band only, 2 the centre, 4 the \"B\" band only"));
    SetHelp(TrackBer_Bal, 305);
    Label_BalA = new QLabel(tr("\"A\" Band"), GroupBox_Bal);
    Label_BalB = new QLabel(tr("\"B\" Band"), GroupBox_Bal);
    Label_BalCenter = new QLabel(tr("Center"), GroupBox_Bal);
    {
        auto* layout = new QGridLayout(GroupBox_Bal);
        layout->setContentsMargins(6, 2, 6, 4);
        layout->setSpacing(0);
        layout->addWidget(TrackBer_Bal, 0, 0, 1, 3);
        layout->addWidget(Label_BalA, 1, 0, Qt::AlignLeft);
        layout->addWidget(Label_BalCenter, 1, 1, Qt::AlignHCenter);
        layout->addWidget(Label_BalB, 1, 2, Qt::AlignRight);
    }

    GroupBox_Function = new QGroupBox(tr("F&unction"), page);
    CheckBox_Dual = new QCheckBox(tr("Dual"), GroupBox_Function);
    CheckBox_Att = new QCheckBox(tr("ATT"), GroupBox_Function);
    CheckBox_Lock = new QCheckBox(tr("Key Lock"), GroupBox_Function);
    CheckBox_Lamp = new QCheckBox(tr("Lamp"), GroupBox_Function);
    CheckBox_MName = new QCheckBox(tr("Memory Name"), GroupBox_Function);
    CheckBox_Dual->setChecked(true);
    CheckBox_MName->setChecked(true);
    CheckBox_Att->setAccessibleDescription(tr("Attenuator"));
    {
        QVBoxLayout* layout = BoxLayout(GroupBox_Function);
        int context = 310;
        for (QCheckBox* box : {CheckBox_Dual, CheckBox_Att, CheckBox_Lock, CheckBox_Lamp, CheckBox_MName}) {
            layout->addWidget(box);
            SetHelp(box, context);
            context += 5;
        }
    }

    GroupBox_Power = new QGroupBox(tr("&Power"), page);
    Label_Save = new QLabel(tr("Battery Saver"), GroupBox_Power);
    ComboBox_Save = FixedList(
        {"OFF", "0.2sec", "0.4sec", "0.6sec", "0.8sec", "1.0sec", "2.0sec", "3.0sec", "4.0sec", "5.0sec"},
        GroupBox_Power);
    Label_Apo = new QLabel(tr("Auto Power Off"), GroupBox_Power);
    ComboBox_Apo = FixedList({"OFF", "30min", "60min"}, GroupBox_Power);
    {
        QVBoxLayout* layout = BoxLayout(GroupBox_Power);
        AddLabelled(layout, Label_Save, ComboBox_Save);
        AddLabelled(layout, Label_Apo, ComboBox_Apo);
    }
    SetHelp(ComboBox_Save, 335);
    SetHelp(ComboBox_Apo, 340);

    GroupBox_Display = new QGroupBox(tr("&Display"), page);
    Label_Pom = new QLabel(tr("Power-on Message"), GroupBox_Display);
    Edit_Pom = new QLineEdit(GroupBox_Display);
    Edit_Pom->setMaxLength(PowerOnMessageLength);
    Edit_Pom->setFixedWidth(Edit_Pom->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 9);
    Label_Contrast = new QLabel(tr("Contrast"), GroupBox_Display);
    ComboBox_Contrast = FixedList(Numbers(1, ContrastSteps), GroupBox_Display);
    //: The radio's own menu setting: the language of its display
    RadioGroup_Language = new RadioGroup(tr("Language"),
                                         {
                                             //: The radio's display language
                                             tr("English"),
                                             //: The radio's display language
                                             tr("Japanese"),
                                         },
                                         2, GroupBox_Display);
    {
        QVBoxLayout* layout = BoxLayout(GroupBox_Display);
        AddLabelled(layout, Label_Pom, Edit_Pom);
        AddLabelled(layout, Label_Contrast, ComboBox_Contrast);
        layout->addWidget(RadioGroup_Language);
        layout->addStretch();
    }
    SetHelp(Edit_Pom, 345);
    SetHelp(ComboBox_Contrast, 350);
    SetHelp(RadioGroup_Language, 355);

    GroupBox_Dtmf = new QGroupBox(tr("D&TMF"), page);
    GroupBox_Dtmf->setAccessibleDescription(tr("Dual-tone multi-frequency signalling"));
    Label_DtmfPause = new QLabel(tr("DTMF Pause"), GroupBox_Dtmf);
    ComboBox_DtmfPause =
        FixedList({"100ms", "250ms", "500ms", "750ms", "1000ms", "1500ms", "2000ms"}, GroupBox_Dtmf);
    RadioGroup_DtmfSpeed = new RadioGroup(tr("DTMF Speed"),
                                          {
                                              //: DTMF speed
                                              tr("Fast"),
                                              //: DTMF speed
                                              tr("Slow"),
                                          },
                                          2, GroupBox_Dtmf);
    CheckBox_DtmfHold = new QCheckBox(tr("DTMF Hold"), GroupBox_Dtmf);
    CheckBox_DtmfLock = new QCheckBox(tr("DTMF Lock"), GroupBox_Dtmf);
    {
        QVBoxLayout* layout = BoxLayout(GroupBox_Dtmf);
        AddLabelled(layout, Label_DtmfPause, ComboBox_DtmfPause);
        layout->addWidget(RadioGroup_DtmfSpeed);
        layout->addWidget(CheckBox_DtmfHold);
        layout->addWidget(CheckBox_DtmfLock);
    }
    SetHelp(CheckBox_DtmfLock, 360);
    SetHelp(CheckBox_DtmfHold, 365);
    SetHelp(ComboBox_DtmfPause, 370);
    SetHelp(RadioGroup_DtmfSpeed, 375);

    GroupBox_Vox = new QGroupBox(tr("&VOX"), page);
    GroupBox_Vox->setAccessibleDescription(tr("Voice-operated transmit"));
    Label_VoxGain = new QLabel(tr("VOX Gain"), GroupBox_Vox);
    ComboBox_VoxGain = FixedList(Numbers(0, 9), GroupBox_Vox);
    Label_VoxDeley = new QLabel(tr("VOX Delay"), GroupBox_Vox);
    ComboBox_VoxDeley =
        FixedList({"250ms", "500ms", "750ms", "1000ms", "1500ms", "2000ms", "3000ms"}, GroupBox_Vox);
    CheckBox_VoxOnBusy = new QCheckBox(tr("VOX on Busy"), GroupBox_Vox);
    {
        QVBoxLayout* layout = BoxLayout(GroupBox_Vox);
        AddLabelled(layout, Label_VoxGain, ComboBox_VoxGain);
        AddLabelled(layout, Label_VoxDeley, ComboBox_VoxDeley);
        layout->addWidget(CheckBox_VoxOnBusy);
    }
    SetHelp(ComboBox_VoxGain, 380);
    SetHelp(CheckBox_VoxOnBusy, 385);
    SetHelp(ComboBox_VoxDeley, 390);

    // Three columns: band, balance and functions; power and display; DTMF
    // and VOX.
    QGridLayout* grid = PageLayout(page);
    grid->addWidget(GroupBox_Band, 0, 0);
    grid->addWidget(GroupBox_Bal, 1, 0);
    grid->addWidget(GroupBox_Function, 2, 0);
    grid->addWidget(GroupBox_Power, 0, 1);
    grid->addWidget(GroupBox_Display, 1, 1, 2, 1);
    grid->addWidget(GroupBox_Dtmf, 0, 2, 2, 1);
    grid->addWidget(GroupBox_Vox, 2, 2);
    grid->setRowStretch(3, 1);
}

void MenuPages::BuildMenu2(QWidget* page)
{
    GroupBox_RxTx = new QGroupBox(tr("R&X/TX"), page);
    GroupBox_RxTx->setAccessibleDescription(tr("Receive and transmit"));
    CheckBox_TxInhibit = new QCheckBox(tr("Tx Inhibit"), GroupBox_RxTx);
    CheckBox_TxInhibit->setAccessibleDescription(tr("Transmit inhibit"));
    CheckBox_BeatShift = new QCheckBox(tr("Beat Shift"), GroupBox_RxTx);
    CheckBox_BarAntenna = new QCheckBox(tr("Bar Antenna"), GroupBox_RxTx);
    //: RF power
    const QString high = tr("High");
    //: RF power
    const QString low = tr("Low");
    // EL (extra low) is the radio's own name in every language.
    const QString extraLow = QStringLiteral("EL");
    RadioGroup_APower = new RadioGroup(tr("A Band RF Power"), {high, low, extraLow}, 3, GroupBox_RxTx);
    RadioGroup_BPower = new RadioGroup(tr("B Band RF Power"), {high, low, extraLow}, 3, GroupBox_RxTx);
    RadioGroup_AGPower = new RadioGroup(tr("1.2G A Band Power"), {high, low}, 2, GroupBox_RxTx);
    RadioGroup_BGPower = new RadioGroup(tr("1.2G B Band Power"), {high, low}, 2, GroupBox_RxTx);
    for (RadioGroup* power : {RadioGroup_APower, RadioGroup_BPower})
        power->Button(2)->setAccessibleDescription(tr("Extra low power"));
    RadioGroup_AGPower->hide();
    RadioGroup_BGPower->hide();
    // The 1.2 GHz "B" band power is the radio's own: it is shown, never set here.
    RadioGroup_BGPower->setEnabled(false);

    GroupBox_Narrow = new QGroupBox(tr("FM Narrow"), GroupBox_RxTx);
    CheckBox_Nar144 = new QCheckBox(tr("144MHz Band"), GroupBox_Narrow);
    CheckBox_Nar220 = new QCheckBox(tr("220MHz Band"), GroupBox_Narrow);
    CheckBox_Nar440 = new QCheckBox(tr("440MHz Band"), GroupBox_Narrow);
    CheckBox_Nar1200 = new QCheckBox(tr("1.2GHz Band"), GroupBox_Narrow);
    CheckBox_NarHf = new QCheckBox(tr("HF Band"), GroupBox_Narrow);
    {
        // One column, so that the boxes a version lacks leave no gaps.
        QVBoxLayout* layout = BoxLayout(GroupBox_Narrow);
        layout->setSpacing(0);
        for (QCheckBox* box :
             {CheckBox_Nar144, CheckBox_Nar220, CheckBox_Nar440, CheckBox_Nar1200, CheckBox_NarHf})
            layout->addWidget(box);
    }
    for (QCheckBox* box : {CheckBox_Nar144, CheckBox_Nar440, CheckBox_Nar1200, CheckBox_NarHf})
        SetHelp(box, 415);
    {
        QVBoxLayout* layout = BoxLayout(GroupBox_RxTx);
        auto* checks = new QHBoxLayout;
        checks->addWidget(CheckBox_TxInhibit);
        checks->addWidget(CheckBox_BeatShift);
        checks->addWidget(CheckBox_BarAntenna);
        layout->addLayout(checks);
        layout->addWidget(RadioGroup_APower);
        layout->addWidget(RadioGroup_BPower);
        layout->addWidget(RadioGroup_AGPower);
        layout->addWidget(RadioGroup_BGPower);
        layout->addWidget(GroupBox_Narrow);
        layout->addStretch();
    }
    SetHelp(CheckBox_TxInhibit, 400);
    SetHelp(CheckBox_BarAntenna, 405);
    SetHelp(CheckBox_BeatShift, 410);
    for (RadioGroup* group : {RadioGroup_APower, RadioGroup_BPower, RadioGroup_AGPower, RadioGroup_BGPower})
        SetHelp(group, 420);

    GroupBox_Repeater = new QGroupBox(tr("Re&peater"), page);
    CheckBox_ARO = new QCheckBox(tr("Automatic Repeater Offset"), GroupBox_Repeater);
    CheckBox_t1750Hold = new QCheckBox(tr("1750Hz Tone Hold"), GroupBox_Repeater);
    // CALL is the key's label in every language.
    RadioGroup_CallKey =
        new RadioGroup(tr("CALL Key"), {QStringLiteral("CALL"), tr("1750Hz Tone")}, 2, GroupBox_Repeater);
    {
        QVBoxLayout* layout = BoxLayout(GroupBox_Repeater);
        layout->addWidget(CheckBox_ARO);
        layout->addWidget(CheckBox_t1750Hold);
        layout->addWidget(RadioGroup_CallKey);
        layout->addStretch();
    }
    SetHelp(CheckBox_ARO, 425);
    SetHelp(RadioGroup_CallKey, 430);
    SetHelp(CheckBox_t1750Hold, 435);

    GroupBox_Other = new QGroupBox(tr("&Other"), page);
    CheckBox_KeyBeep = new QCheckBox(tr("Key Beep"), GroupBox_Other);
    CheckBox_KeyBeep->setChecked(true);
    CheckBox_TuneEnable = new QCheckBox(tr("Tune Enable"), GroupBox_Other);
    RadioGroup_PacketSpeed = new RadioGroup(tr("Packet Speed"), {"1200bps", "9600bps"}, 2, GroupBox_Other);
    RadioGroup_ScanResume = new RadioGroup(tr("Scan Resume"),
                                           {
                                               //: Scan resume: after a time
                                               tr("Time"),
                                               //: Scan resume: when the carrier drops
                                               tr("Carrier"),
                                               //: Scan resume: stops on a signal
                                               tr("Seek"),
                                           },
                                           3, GroupBox_Other);
    RadioGroup_MemoryMethod =
        new RadioGroup(tr("Memory Recall Method"), {tr("All Bands"), tr("Current Band")}, 2, GroupBox_Other);
    GroupBox_GroupLink = new QGroupBox(tr("Memory Group Link"), GroupBox_Other);
    CheckBox_0 = new QCheckBox(QStringLiteral("0"), GroupBox_GroupLink);
    CheckBox_1 = new QCheckBox(QStringLiteral("1"), GroupBox_GroupLink);
    CheckBox_2 = new QCheckBox(QStringLiteral("2"), GroupBox_GroupLink);
    CheckBox_3 = new QCheckBox(QStringLiteral("3"), GroupBox_GroupLink);
    CheckBox_4 = new QCheckBox(QStringLiteral("4"), GroupBox_GroupLink);
    CheckBox_5 = new QCheckBox(QStringLiteral("5"), GroupBox_GroupLink);
    CheckBox_6 = new QCheckBox(QStringLiteral("6"), GroupBox_GroupLink);
    CheckBox_7 = new QCheckBox(QStringLiteral("7"), GroupBox_GroupLink);
    {
        auto* layout = new QHBoxLayout(GroupBox_GroupLink);
        layout->setContentsMargins(6, 2, 6, 4);
        layout->setSpacing(2);
        int group = 0;
        for (QCheckBox* box : GroupLinkBoxes()) {
            layout->addWidget(box);
            SetHelp(box, 460);
            // Its caption is only the digit.
            //: %1 the number of a memory group, 0 to 7
            box->setAccessibleName(tr("Group link %1").arg(group++));
        }
    }
    RadioGroup_Battery = new RadioGroup(tr("Battery"), {tr("Lithium"), tr("Alkaline")}, 2, GroupBox_Other);
    {
        auto* layout = new QGridLayout(GroupBox_Other);
        layout->setContentsMargins(6, 2, 6, 4);
        layout->setSpacing(2);
        layout->addWidget(CheckBox_KeyBeep, 0, 0);
        layout->addWidget(CheckBox_TuneEnable, 0, 1);
        layout->addWidget(RadioGroup_PacketSpeed, 1, 0);
        layout->addWidget(RadioGroup_ScanResume, 1, 1);
        layout->addWidget(RadioGroup_MemoryMethod, 2, 0);
        layout->addWidget(RadioGroup_Battery, 2, 1);
        layout->addWidget(GroupBox_GroupLink, 3, 0, 1, 2);
    }
    SetHelp(CheckBox_TuneEnable, 440);
    SetHelp(CheckBox_KeyBeep, 445);
    SetHelp(RadioGroup_ScanResume, 450);
    SetHelp(RadioGroup_PacketSpeed, 455);
    SetHelp(RadioGroup_MemoryMethod, 465);
    SetHelp(RadioGroup_Battery, 470);
    // The keyboard goes as the eye reads: the battery beside the recall
    // method comes before the group link row below them.
    QWidget* previous = RadioGroup_MemoryMethod->Button(RadioGroup_MemoryMethod->Count() - 1);
    for (int i = 0; i < RadioGroup_Battery->Count(); ++i) {
        QWidget::setTabOrder(previous, RadioGroup_Battery->Button(i));
        previous = RadioGroup_Battery->Button(i);
    }

    // "R&X/TX" on the left; repeater above the other settings on the right.
    QGridLayout* grid = PageLayout(page);
    grid->addWidget(GroupBox_RxTx, 0, 0, 2, 1);
    grid->addWidget(GroupBox_Repeater, 0, 1);
    grid->addWidget(GroupBox_Other, 1, 1);
    grid->setRowStretch(2, 1);
}
