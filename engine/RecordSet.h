#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <memory>
#include <vector>

namespace quv {

// How a record set is read: forward-only and read-only (most reads), static (reads
// that need a row count and move to the last and back to the first row), or keyset
// (rows that are added or changed).
enum class CursorType { ForwardOnly, Static, Keyset };

// The rows of one query, read at once and then walked with a cursor. Fields are
// found by name without regard to case (databases fold names differently) or by
// 0-based position; a Null field is a null QVariant, distinct from 0 and "".
class RecordSet {
public:
    // Rows are only read: one answer given to many reads is shared, not copied.
    using Rows = std::shared_ptr<const std::vector<QVariantList>>;

    RecordSet() = default;
    RecordSet(QStringList columns, std::vector<QVariantList> rows, CursorType type);
    RecordSet(QStringList columns, Rows rows, CursorType type);

    bool isOpen() const { return open_; }
    void close();

    bool eof() const { return !open_ || position_ >= rowCount(); }
    bool bof() const { return !open_ || position_ < 0 || rowCount() == 0; }
    void moveNext();
    void moveFirst();
    void moveLast();
    // The number of rows for a static or keyset cursor; -1 for forward-only.
    int recordCount() const;

    // Raise run-time error 3021 without a current row and 3265 for an unknown field. The
    // value is the record set's own: valid while its rows are (not after close()).
    const QVariant& value(const QString& field) const;
    // A name written in the code as plain letters, found without making a text of it.
    const QVariant& value(QLatin1StringView field) const;
    const QVariant& value(int position) const;
    const QVariant& operator[](const QString& field) const { return value(field); }
    bool hasField(const QString& field) const;
    int fieldCount() const { return static_cast<int>(columns_.size()); }
    const QStringList& fieldNames() const { return columns_; }
    // The rows, moved out (copied when they are shared): the record set is left closed.
    std::vector<QVariantList> takeRows();
    // The rows as they are shared: one answer given to several reads is one object.
    const Rows& sharedRows() const { return rows_; }

private:
    int rowCount() const { return rows_ ? static_cast<int>(rows_->size()) : 0; }
    const QVariantList& currentRow() const;
    // The first column with the name, without regard to case; -1 if none.
    template <class Ad>
    int indexOf(const Ad& field) const;
    template <class Ad>
    const QVariant& valueOf(const Ad& field) const;

    QStringList columns_;
    // Made as a std::vector that is not const (takeRows moves out of it when not shared).
    Rows rows_;
    CursorType type_ = CursorType::ForwardOnly;
    int position_ = 0;
    bool open_ = false;
    // Where the field after the one last found by name is.
    mutable int next_ = 0;
};

// What the last few answers gave when their rows were checked or converted: rows are never
// changed while they are held, so the very same rows given again (a kept answer) give the
// same and need not be gone through again.
template <class Deger, std::size_t N = 4>
class OkunmusSatirlar {
public:
    const Deger* bul(const RecordSet& rs) const {
        for (const Kayit& k : kayitlar_)
            if (rs.sharedRows() && k.satirlar.lock() == rs.sharedRows())
                return &k.deger;
        return nullptr;
    }
    void ekle(const RecordSet& rs, Deger deger) {
        kayitlar_[sira_++ % N] = {rs.sharedRows(), std::move(deger)};
    }

private:
    struct Kayit {
        std::weak_ptr<const std::vector<QVariantList>> satirlar;
        Deger deger{};
    };
    std::array<Kayit, N> kayitlar_;
    std::size_t sira_ = 0;
};

// Answers whose rows passed a check.
using DenetlenmisSatirlar = OkunmusSatirlar<bool>;

// True for a Null field value.
inline bool isNull(const QVariant& v) {
    return !v.isValid() || v.isNull();
}

}  // namespace quv
