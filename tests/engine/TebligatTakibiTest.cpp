#include "engine/Database.h"
#include "engine/SharedState.h"
#include "engine/TebligatTakibi.h"
#include "engine/Variant.h"
#include "file/DbFixture.h"
#include "support/TestEnvironment.h"

namespace quv {
namespace {

using namespace modGeneral;

class TebligatTakibiTest : public test::DbFixture {
protected:
    void notification(int foy, int sahis, int kod, const char* tarih, int durum) {
        add("tblfoy_tebligat", kv({"foykodu", foy, "foysahiskodu", sahis, "tebligatkodu", kod,
                                   "tebligtarihi", tarih, "tebligatdurumu", durum}));
    }
    // (foysahiskodu, tebligatkodu, tebligatdurumu) of the file's tracking rows.
    QList<QList<int>> trackingRows(int foy) {
        QList<QList<int>> rows;
        RecordSet rs = db_->openRecordSet(
            "select foysahiskodu, tebligatkodu, tebligatdurumu from "
            "tblfoy_tebligat_iz where foykodu = ? order by foysahiskodu",
            CursorType::ForwardOnly, {foy});
        for (; !rs.eof(); rs.moveNext())
            rows << QList<int>{toInt32(rs.value(0)), toInt32(rs.value(1)),
                               isNull(rs.value(2)) ? -1 : toInt32(rs.value(2))};
        return rows;
    }
};

TEST_P(TebligatTakibiTest, FileStatusFromEachPartysLatestNotification) {
    struct Case {
        const char* name;
        QList<std::tuple<int, int, const char*, int>> notifications;  // party, code, date, status
        qint16 status;
    } cases[] = {
        {"no notifications", {}, 3},
        {"latest 8 and 1", {{1, 1, "20230101", 8}, {2, 2, "20230101", 1}}, 2},
        {"latest 8 and 5", {{1, 1, "20230101", 8}, {2, 2, "20230101", 5}}, 1},
        {"older 8 behind a latest 21", {{1, 1, "20230101", 8}, {1, 2, "20230201", 21}}, 1},
        {"same date: highest code wins", {{1, 7, "20230101", 9}, {1, 3, "20230101", 5}}, 3},
        {"unknown status only", {{1, 1, "20230101", 99}}, 3}};
    int foy = 100;
    for (const auto& c : cases) {
        ++foy;
        for (const auto& [sahis, kod, tarih, durum] : c.notifications)
            notification(foy, sahis, kod, tarih, durum);
        db_->addRow("tblfoy", kv({"foykodu", foy}));
        FoyTebligatDurumuGuncelle(foy);
        RecordSet rs = db_->openRecordSet("select tebligatdurumu from tblfoy where foykodu = ?",
                                          CursorType::ForwardOnly, {foy});
        EXPECT_EQ(toInt16(rs.value(0)), c.status) << c.name;
    }
}

TEST_P(TebligatTakibiTest, TrackingRowsNumberEveryPartyAndSkipThoseWithout) {
    rows("tblfoy_sahis", "foykodu foysahiskodu foysahistipi", {"1 1 1", "1 2 1", "1 3 1"});
    rows("tblfoy_tebligat",
         "foykodu foysahiskodu tebligatkodu tebligtarihi tebligatdurumu aciklama",
         {"1 1 1 20230101 9 -", "1 1 2 20230301 4 -", "1 3 3 20230205 8 Bila"});
    // A stale row of the file and a row of another file.
    rows("tblfoy_tebligat_iz", "foykodu tebligatkodu foysahiskodu", {"1 9 2", "2 1 1"});
    UpdateTblFoy_Tebligat_Iz_ForFoy(1);
    EXPECT_EQ(trackingRows(1), (QList<QList<int>>{{1, 1, 4}, {3, 3, 8}}));
    EXPECT_EQ(trackingRows(2).size(), 1);
    RecordSet rs = db_->openRecordSet(
        "select tebligtarihi, aciklama, itiraztarihi from tblfoy_tebligat_iz where "
        "foykodu = 1 and foysahiskodu = 3");
    EXPECT_EQ(rs.value(0).toString(), "20230205");
    EXPECT_EQ(rs.value(1).toString(), "Bila");
    EXPECT_TRUE(isNull(rs.value(2)));
    EXPECT_TRUE(guard_.errors().messages().isEmpty()) << errorText().toStdString();
}

TEST_P(TebligatTakibiTest, SameDatePrefersAListedStatus) {
    rows("tblfoy_sahis", "foykodu foysahiskodu foysahistipi", {"5 1 1"});
    rows("tblfoy_tebligat", "foykodu foysahiskodu tebligatkodu tebligtarihi tebligatdurumu",
         {"5 1 1 20230101 9", "5 1 2 20230101 16", "5 1 3 20221201 4"});
    // The SQL Server text, then the Access one (IIF, which of the backends only SQLite knows).
    for (qint16 turu : {1, 2}) {
        if (turu == 2 && GetParam().name != "SQLite")
            break;
        shared().ActiveVeritabaniTuru = turu;
        UpdateTblFoy_Tebligat_Iz_ForFoy(5);
        EXPECT_EQ(trackingRows(5), (QList<QList<int>>{{1, 1, 16}})) << turu;
    }
    // Replacing one party's row with the next free code.
    notification(5, 1, 4, "20230301", 2);
    UpdateTblFoy_Tebligat_Iz_ForSahis(5, 1, true, 0);
    EXPECT_EQ(trackingRows(5), (QList<QList<int>>{{1, 2, 2}}));
}

TEST_P(TebligatTakibiTest, AttorneysThatReceiveNotifications) {
    // Counted: 1 and 2. Type 3 is not an attorney's client type; 4 sends nothing to the
    // attorney; a Null never equals 0; only 1 is true in the query.
    rows("tblfoy_sahis",
         "foykodu foysahiskodu foysahistipi vekiletebligatgonder muvekkiletebligatgonderilmesin",
         {"9 1 1 1 0", "9 2 8 1 0", "9 3 3 1 0", "9 4 2 0 0", "9 5 2 1 -", "9 6 6 -1 0"});
    EXPECT_EQ(GetTebligGonderVekilSayisi(9), 2);
}

QUV_ON_BACKENDS(TebligatTakibiTest);

}  // namespace
}  // namespace quv
