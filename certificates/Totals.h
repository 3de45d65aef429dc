#pragma once

#include <map>
#include <string>
#include <vector>

#include "CertificateFile.h"

// What a list of certificates earns: each certificate's interest in a financial year and the
// total of every financial year, exact to the cent. The totals add up the rounded amounts, the
// very amounts that Calculate shows for each certificate.
namespace tresk {

// An amount in cents. A million of the largest amounts add up far beyond 64 bits.
__extension__ typedef __int128 Cents;

// A rounded amount (two decimals, as Round2 gives it) in cents.
Cents CentsOf(double amount);
// With two decimals and a dot: "1234.50", "0.00".
std::string CentsText(Cents cents);
// The same written at `out`, which has room for 42 characters; returns their end.
char* WriteCentsText(Cents cents, char* out);

struct YearInterest {
    int yearOfLife = 0;  // 1 to 6; 0 when the certificate earns nothing in the year
    double amount = 0;
};
YearInterest InterestIn(const Certificate& certificate, int startYear);

// Financial year by financial year (named by its start year), the total of every year in which
// any certificate added earns.
class Totals {
  public:
    void Add(const Certificate& certificate);
    std::map<int, Cents> byYear() const;

  private:
    // By start year: a certificate's years lie within 1 to 10005, and a vector adds up a million
    // certificates several times faster than a map.
    std::vector<Cents> cents_ = std::vector<Cents>(10006);
    std::vector<bool> earns_ = std::vector<bool>(10006);
};

// "2025-26": a financial year as tax forms name it.
std::string FinancialYearText(int startYear);

}  // namespace tresk
