// Qt's own texts that the window shows: the text boxes' right-click menu. Qt ships no catalogue
// for the window's languages, so the program's catalogues translate them, under the context and
// source text Qt looks each one up by (the same from Qt 6.4 on). Listed here only so that
// update_translations keeps them.
#include <QtGlobal>

namespace {

[[maybe_unused]] constexpr const char* kTextBoxMenu[] = {
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),      QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),       QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),     QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
};

}  // namespace
