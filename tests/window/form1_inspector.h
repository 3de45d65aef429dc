#pragma once

#include <QString>

#include "Form1.h"

// Read access to the window's fields, for tests only.
class Form1Inspector {
  public:
    static QString FyS(const Form1& form) { return form.FyS; }
    static double FyE(const Form1& form) { return form.FyE; }
    static QString DtOfPur(const Form1& form) { return form.DtOfPur; }
    static std::int16_t ctr(const Form1& form) { return form.ctr; }
    static const tresk::InterestFields& fields(const Form1& form) { return form.fields; }
    // Stands for a stored date the engine cannot read, which the window itself never writes.
    static void setDtOfPur(Form1& form, const QString& text) { form.DtOfPur = text; }
};
