// Marks the core's fixed texts for Qt Linguist: lupdate finds them by these
// names, the window translates them in the context given, and the core uses
// them as they stand. They are defined as Qt defines them, so that a file
// may include this header and Qt's in either order.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif
