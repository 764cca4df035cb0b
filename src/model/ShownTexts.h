// The core's names and captions as the window shows them: in the program's
// language, through the translations loaded. The listing, the data file and
// tslq-cli keep the English of model/MenuTexts and model/FieldTexts; with no
// translation loaded these read the same English.
#pragma once

#include <QString>

// The name of menu setting 0..40 for the market ("Tastensperre" for "Key
// Lock"); empty outside 0..40.
QString ShownMenuSettingName(int setting, char market);

// A status text with its caption in the program's language ("TX-Frequenz :
// 145.000MHz" for "Tx Frequency : 145.000MHz"); a text that begins with no
// caption of FieldTexts stays as it is.
QString ShownStatusText(const QString& text);
