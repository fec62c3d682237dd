#!/usr/bin/env bash
# Creates the demo database on the embedded SQLite default and calculates its files.
#
#   scripts/make-demo.sh [build-folder] [database-file]
#
# When the database file does not exist it is created with `quvhesap init-db` and
# filled the way a user fills one: `quvhesap settings import` of db/demo/settings.json
# and `quvhesap case import` of each case file in db/demo/cases; an existing file is
# left as it is. Then, when the binary has the `calc` command,
# every file is calculated and saved, one line per file, followed by the full
# summary of one file. Needs only bash, sqlite3 and the quvhesap binary.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
db=${2:-$build/demo.sqlite}
bin="$build/apps/quvhesap/quvhesap"
demo="$root/db/demo"
# The file whose full summary is shown at the end.
ornek_foy=1001

if [ ! -x "$bin" ]; then
    echo "quvhesap bulunamadı: $bin (önce derleyin)" >&2
    exit 1
fi
if ! command -v sqlite3 >/dev/null 2>&1; then
    echo "sqlite3 bulunamadı (scripts/install-deps.sh kurar)" >&2
    exit 1
fi

if [ -e "$db" ]; then
    echo "Demo veritabanı zaten var, olduğu gibi bırakıldı: $db"
else
    mkdir -p "$(dirname "$db")"
    if ! "$bin" init-db --db "$db"; then
        rm -f "$db"
        exit 1
    fi
    # Either every document is in or the file is removed, so the next run starts
    # again from an empty database.
    yuklendi=1
    "$bin" settings import --db "$db" "$demo/settings.json" >/dev/null || yuklendi=0
    for belge in "$demo"/cases/*.json; do
        [ "$yuklendi" -eq 1 ] || break
        "$bin" case import --db "$db" "$belge" >/dev/null || yuklendi=0
    done
    if [ "$yuklendi" -ne 1 ]; then
        rm -f "$db"
        echo "Örnek veriler yüklenemedi: $demo" >&2
        exit 1
    fi
    echo "Demo veritabanı oluşturuldu: $db ($(sqlite3 "$db" 'select count(*) from tblfoy') föy)"
fi

# The calculation is there when the help lists `calc` and the binary accepts the
# command (an unknown command is answered with "Bilinmeyen komut").
yardim=$("$bin" --help 2>&1 || true)
deneme=$("$bin" calc </dev/null 2>&1 || true)
if [[ $yardim != *" calc "* || $deneme == *"Bilinmeyen komut"* ]]; then
    echo "quvhesap bu sürümde 'calc' komutunu içermiyor; hesaplama atlandı."
    exit 0
fi

# A decimal text such as -1234.5 or 98765.4321 in the Turkish format with two
# decimals: -1.234,50 and 98.765,43 (display rounding: half away from zero).
turkce_sayi() {
    local s=$1 sign='' int frac
    if [ "${s#-}" != "$s" ]; then sign='-'; s=${s#-}; fi
    int=${s%%.*}
    if [ "$int" = "$s" ]; then frac=''; else frac=${s#*.}; fi
    frac="${frac}000"
    frac=${frac:0:3}
    int=${int:-0}
    # Cents, rounded on the third decimal.
    local cents=$((10#$int * 100 + 10#${frac:0:2}))
    if [ "${frac:2:1}" -ge 5 ]; then cents=$((cents + 1)); fi
    int=$((cents / 100))
    local dec
    dec=$(printf '%02d' $((cents % 100)))
    local grouped='' rest=$int
    while [ ${#rest} -gt 3 ]; do
        grouped=".${rest: -3}$grouped"
        rest=${rest:0:${#rest}-3}
    done
    grouped="$rest$grouped"
    if [ "$cents" -eq 0 ]; then sign=''; fi
    printf '%s%s,%s' "$sign" "$grouped" "$dec"
}

# One line per file: code, claim type with the debtor, and the current balance.
aciklamalar=$(sqlite3 -separator '|' "$db" "
select f.foykodu,
       case f.alacaktipi
           when 1 then case when exists (select 1 from tblfoy_alacak a
                                         where a.foykodu = f.foykodu and a.alacakturu = 2)
                            then 'Çek' else 'Senet' end
           when 2 then case (select min(a.alacakturu) from tblfoy_alacak a where a.foykodu = f.foykodu)
                           when 6 then 'Sözleşme' when 8 then 'Aidat' else 'Çek, senet, sözleşme' end
           when 4 then 'Fatura'
           when 9 then 'İşçi alacağı (kıdem tazminatı)'
           when 11 then 'Kira'
           when 12 then 'Kredi kartı'
           when 13 then 'Kredi'
           when 15 then 'Nafaka'
           when 20 then 'Nafaka'
           else 'Alacak tipi ' || f.alacaktipi
       end
       || case when s.muacceliyetdurumu = 2 then ', muacceliyetli'
               when f.alacaktipi = 11 then ', muacceliyetsiz' else '' end
       || case when f.parabirimikodu <> 1 then ', ' || coalesce(p.simge, '?') else '' end
       || case when f.ihtiyatihacizvar <> 0 then ', ihtiyati haciz' else '' end
       || case when exists (select 1 from tblfoy_toda t where t.foykodu = f.foykodu) then ', TODA' else '' end
       || case when exists (select 1 from tblfoy_sonrakialacak t where t.foykodu = f.foykodu)
               then ', sonraki alacaklar' else '' end
       || coalesce(' — ' || (select trim(coalesce(x.ad, '') || ' ' || coalesce(x.soyad, ''))
                              from tblfoy_sahis x where x.foykodu = f.foykodu
                              order by x.foysahiskodu limit 1), '')
from tblfoy f
left join tblparabirimi p on p.kod = f.parabirimikodu
left join tblfoy_sozlesme s on s.foykodu = f.foykodu
order by f.foykodu;")

# The first two lines of an error report (where, and the error) on one line; the
# JSON result line is skipped.
hata_metni() {
    local metin=${1//$'\r'/$'\n'} satir sonuc='' n=0
    while IFS= read -r satir; do
        [[ -z ${satir//[[:space:]]/} || $satir == '{'* ]] && continue
        sonuc+=${sonuc:+ / }$satir
        n=$((n + 1))
        [ "$n" -ge 2 ] && break
    done <<<"$metin"
    printf '%s' "$sonuc"
}

echo
echo "Föylerin hesabı (hesap tarihine kadar, sonuçlar kaydedildi):"
basarisiz=0
while IFS='|' read -r foy aciklama; do
    [ -n "$foy" ] || continue
    durum=0
    cikti=$("$bin" calc --db "$db" --foy "$foy" --save --json </dev/null 2>&1) || durum=$?
    bakiye=''
    if [[ $cikti =~ \"BakiyeGuncelTL\":[[:space:]]*(-?[0-9][0-9.]*) ]]; then
        bakiye=${BASH_REMATCH[1]}
    fi
    if [ "$durum" -eq 0 ] && [ -n "$bakiye" ]; then
        printf '  %-6s %18s TL  %s\n' "$foy" "$(turkce_sayi "$bakiye")" "$aciklama"
    else
        basarisiz=$((basarisiz + 1))
        hata=$(hata_metni "$cikti")
        printf '  %-6s %18s     %s\n         %s\n' "$foy" 'HATA' "$aciklama" \
            "${hata:-çıkış kodu $durum}"
    fi
done <<<"$aciklamalar"

echo
echo "Föy $ornek_foy hesap özeti:"
"$bin" calc --db "$db" --foy "$ornek_foy" </dev/null || basarisiz=$((basarisiz + 1))

if [ "$basarisiz" -gt 0 ]; then
    echo
    echo "$basarisiz hesap hatayla bitti." >&2
    exit 1
fi
