// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>

#include "ttl/number_text.h"

namespace helio {

/// How `locale` writes numbers, for reading the setpoint entry as the platform would.
inline number_format locale_number_format(const QLocale& locale) {
    return {.decimal_separator = locale.decimalPoint().toStdString(),
            .thousands_separator = locale.groupSeparator().toStdString(),
            .currency_symbol = locale.currencySymbol(QLocale::CurrencySymbol).toStdString()};
}

}  // namespace helio
