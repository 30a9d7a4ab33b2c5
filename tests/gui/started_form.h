// The window as a user first sees it: loaded at 1280 x 1024 and shown.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <ostream>

#include "form1.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace frankierung::test {

inline std::unique_ptr<Form1> startedForm() {
    auto form = std::make_unique<Form1>();
    form->setGeometry(0, 0, 1280, 1024);
    form->Form_Load();
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    return form;
}

}  // namespace frankierung::test
