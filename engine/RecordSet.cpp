#include "engine/RecordSet.h"

#include "engine/RuntimeError.h"

#include <array>
#include <cstring>
#include <utility>

namespace quv {

RecordSet::RecordSet(QStringList columns, std::vector<QVariantList> rows, CursorType type)
    : RecordSet(std::move(columns), std::make_shared<std::vector<QVariantList>>(std::move(rows)),
                type) {}

RecordSet::RecordSet(QStringList columns, Rows rows, CursorType type)
    : columns_(std::move(columns)), rows_(std::move(rows)), type_(type), open_(true) {}

namespace {

// The same name, character for character: the length and the first character are compared
// before the rest, as names of a row mostly differ there.
bool ayniAd(const QString& a, const QString& b) {
    return a.size() == b.size() && (a.isEmpty() || a.front() == b.front()) &&
           std::memcmp(a.constData(), b.constData(), sizeof(QChar) * a.size()) == 0;
}
bool ayniAd(const QString& a, QLatin1StringView b) {
    if (a.size() != b.size())
        return false;
    const QChar* p = a.constData();
    for (qsizetype i = 0; i < b.size(); ++i)
        if (p[i].unicode() != static_cast<uchar>(b.data()[i]))
            return false;
    return true;
}

// Where a name written in the code was last found in a list of columns, by the addresses of
// the name's characters and of the list's: a bulk run reads the same fields of the same
// answer's columns file after file, out of their order. A place found here is checked
// against the name, so a list or a name made anew at an old address finds nothing wrong.
struct BulunanYer {
    const void* ad = nullptr;
    const void* sutunlar = nullptr;
    int yer = 0;
};

BulunanYer& bulunanYer(const void* ad, const void* sutunlar) {
    thread_local std::array<BulunanYer, 256> yerler;
    const auto a = reinterpret_cast<quintptr>(ad);
    const auto b = reinterpret_cast<quintptr>(sutunlar);
    return yerler[((a >> 3) ^ (a >> 11) ^ (b >> 4)) % yerler.size()];
}

const void* adresi(const QString& ad) {
    return ad.constData();
}
const void* adresi(QLatin1StringView ad) {
    return ad.data();
}

}  // namespace

template <class Ad>
int RecordSet::indexOf(const Ad& field) const {
    // Fields are mostly read in the order they were selected: the one after the last found
    // is looked at first.
    if (next_ < columns_.size() && ayniAd(columns_[next_], field))
        return next_++;
    BulunanYer& onceki = bulunanYer(adresi(field), columns_.constData());
    if (onceki.ad == adresi(field) && onceki.sutunlar == columns_.constData() &&
        onceki.yer < columns_.size() && ayniAd(columns_[onceki.yer], field)) {
        next_ = onceki.yer + 1;
        return onceki.yer;
    }
    // Few columns: a scan without regard to case costs less than a lowered copy and a hash.
    // Most names are asked for as the database wrote them: those are found first.
    for (int i = 0; i < columns_.size(); ++i)
        if (ayniAd(columns_[i], field)) {
            next_ = i + 1;
            onceki = {adresi(field), columns_.constData(), i};
            return i;
        }
    // (Names equal without regard to case are as long: each character folds to one.)
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].size() == field.size() &&
            columns_[i].compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void RecordSet::close() {
    open_ = false;
    rows_.reset();
}

std::vector<QVariantList> RecordSet::takeRows() {
    open_ = false;
    const Rows rows = std::exchange(rows_, {});
    if (!rows)
        return {};
    if (rows.use_count() == 1)
        return std::move(const_cast<std::vector<QVariantList>&>(*rows));
    return *rows;
}

void RecordSet::moveNext() {
    if (eof())
        throw RuntimeError(
            ErrNo::NoCurrentRecord,
            QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    ++position_;
}

void RecordSet::moveFirst() {
    position_ = 0;
}

void RecordSet::moveLast() {
    if (type_ == CursorType::ForwardOnly)
        throw RuntimeError(ErrNo::Database,
                           QStringLiteral("Rowset does not support fetching backward."));
    position_ = rowCount() == 0 ? 0 : rowCount() - 1;
}

int RecordSet::recordCount() const {
    if (type_ == CursorType::ForwardOnly)
        return -1;
    return rowCount();
}

const QVariantList& RecordSet::currentRow() const {
    if (eof() || position_ < 0)
        throw RuntimeError(
            ErrNo::NoCurrentRecord,
            QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                           "Requested operation requires a current record."));
    return (*rows_)[static_cast<std::size_t>(position_)];
}

bool RecordSet::hasField(const QString& field) const {
    return indexOf(field) >= 0;
}

template <class Ad>
const QVariant& RecordSet::valueOf(const Ad& field) const {
    const int i = indexOf(field);
    if (i < 0)
        throw RuntimeError(
            ErrNo::ItemNotFound,
            QStringLiteral("Item cannot be found in the collection corresponding to the requested "
                           "name or ordinal: ") +
                field);
    return currentRow().at(i);
}

const QVariant& RecordSet::value(const QString& field) const {
    return valueOf(field);
}

const QVariant& RecordSet::value(QLatin1StringView field) const {
    return valueOf(field);
}

const QVariant& RecordSet::value(int position) const {
    if (position < 0 || position >= columns_.size())
        throw RuntimeError(
            ErrNo::ItemNotFound,
            QStringLiteral("Item cannot be found in the collection corresponding to the requested "
                           "name or ordinal: ") +
                QString::number(position));
    return currentRow().at(position);
}

}  // namespace quv
