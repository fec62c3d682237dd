#pragma once

#include "engine/Database.h"
#include "engine/RuntimeError.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace quv::test {

// Fields as alternating names and values: kv({"foykodu", 1, "tarih", "20230101"}).
inline FieldValues kv(std::initializer_list<QVariant> items) {
    FieldValues out;
    for (auto i = items.begin(); i != items.end() && i + 1 != items.end(); i += 2)
        out.append({i->toString(), *(i + 1)});
    return out;
}

// A fresh database of the backend per test, with captured errors.
class DbFixture : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        if (!GetParam().unavailable.isEmpty())
            GTEST_SKIP() << GetParam().unavailable.toStdString();
        db_ = freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    }
    void add(const QString& table, const FieldValues& fields) { db_->addRow(table, fields); }
    // Rows of a table, each its values in the order of `columns`, separated by spaces
    // ("-" for a Null, '' for the empty text): rows("tblkur", "tarih tltutar", {"20230101 18.5"}).
    void rows(const QString& table, const QString& columns, const QStringList& values) {
        const QStringList names = columns.split(u' ');
        for (const QString& row : values) {
            FieldValues fields;
            for (qsizetype i = 0; i < names.size(); ++i) {
                const QString v = row.split(u' ').value(i);
                fields.append({names[i], v == "-" ? QVariant() : QVariant(v == "''" ? "" : v)});
            }
            add(table, fields);
        }
    }
    QString errorText() { return guard_.errors().messages().join(u'\n'); }

    SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
};

// The number of the run-time error that the call raises, 0 when it raises none.
template <typename Call>
long errorNumber(Call call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace quv::test

namespace quv {
using test::kv;
}

// Runs the suite on every available backend.
#define QUV_ON_BACKENDS(Suite)                                           \
    INSTANTIATE_TEST_SUITE_P(                                            \
        Backends, Suite, ::testing::ValuesIn(test::availableBackends()), \
        [](const auto& info) { return test::backendName(info.param).toStdString(); })
