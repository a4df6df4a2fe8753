#!/usr/bin/env python3
# Writes the three list files of a realistic project as CP932 with CR LF. Run once; the bytes are kept.
import os

P = "\uff65"  # ･
here = os.path.dirname(os.path.abspath(__file__))


def parts(*values):
    return P.join(values)


def write(name, lines):
    with open(os.path.join(here, name), "wb") as f:
        for line in lines:
            # Windows writes the IBM extension code of kanji that CP932 holds twice (髙 as FB FC);
            # Python's codec prefers the NEC-selected code (EE E0), so the Windows form is used here.
            f.write(line.encode("cp932").replace(b"\xee\xe0", b"\xfb\xfc") + b"\r\n")


EMPTY5 = parts("", "", "", "", "")
EMPTY6 = parts("", "", "", "", "", "")
EMPTY8 = P * 7

columns = []
h_sizes = [("400", "200", "8", "13"), ("450", "200", "9", "14"), ("500", "200", "10", "16"),
           ("588", "300", "12", "20"), ("350", "175", "7", "11")]
for floor in ["1", "2", "3", "4", "R"]:
    for i, (h, b, tw, tf) in enumerate(h_sizes):
        mark = "C%d" % (i + 1)
        columns.append("ZZLH'%s'%s'H鋼'%s'%s'%s''" % (
            floor, mark, parts("SN490B", "H", h, b, tw, tf),
            parts("SN490B", "175", "200", "9", "12") if i == 2 else EMPTY5,
            parts("SN490B", "175", "200", "9", "12") if i == 3 and floor == "1" else EMPTY5))
    columns.append("ZZLH'%s'P1'鋼管(角)'%s'%s'%s''" % (floor, parts("BCR295", "350", "350", "12", "", ""), EMPTY5, EMPTY5))
    columns.append("ZZLH'%s'P2'鋼管(丸)'%s'%s'%s''" % (floor, parts("STK400", "216.3", "8.2", "", "", ""), EMPTY5, EMPTY5))
# special characters the window stores: sanitized apostrophe and colon, half-width kana,
# full-width forms, circled digits, IBM extension kanji, Greek letters
columns.append("ZZLH'B1'C1’'H鋼'%s'%s'%s''" % (parts("SN490C", "BH", "600～650", "250", "12", "25"), EMPTY5, EMPTY5))
columns.append("ZZLH'B1'ｾﾝﾀｰ①'鋼管(丸)'%s'%s'%s''" % (parts("STK490", "φ267.4", "9.3", "", "", ""), EMPTY5, EMPTY5))
columns.append("ZZLH'PH'C1：A'鋼管(角)'%s'%s'%s''" % (parts("BCP325", "□400", "400", "16", "", ""), EMPTY5, EMPTY5))
columns.append("ZZLH'PH'髙C2'H鋼'%s'%s'%s''" % (parts("SS400", "H", "300", "150", "6.5", "9"), EMPTY5, EMPTY5))
write("HasiraListData.ini", columns)

beams = []
for floor in ["2", "3", "4", "R"]:
    for i, (h, b, tw, tf) in enumerate([("600", "200", "11", "17"), ("500", "200", "10", "16"),
                                        ("450", "200", "9", "14"), ("400", "200", "8", "13")]):
        end = parts("SN490B", "H", h, b, tw, "22") if i == 0 else EMPTY6
        beams.append("ZZLB'%s'G%d'%s'%s" % (floor, i + 1, parts("SN400B", "H", h, b, tw, tf), end))
    beams.append("ZZLB'%s'B1'%s'%s" % (floor, parts("SS400", "H", "300", "150", "6.5", "9"), EMPTY6))
for i in range(1, 6):
    beams.append("ZZLB'小梁'b%d'%s'%s" % (i, parts("SS400", "H", "250", "125", "6", "9"), EMPTY6))
beams.append("ZZLB'R'母屋1'%s'%s" % (parts("SSC400", "C", "100", "50", "20", "2.3"), EMPTY6))
beams.append("ZZLB'R'胴縁’２'%s'%s" % (parts("SSC400", "2C", "100", "50", "20", "3.2"), EMPTY6))
beams.append("ZZLB'RF'ﾊﾘ－1'%s'%s" % (parts("SM490A", "BH", "700", "250", "12", "25"),
                                         parts("SM490A", "BH", "700", "250", "14", "28")))
write("HariListData.ini", beams)


def group(*lines):
    return ":".join(list(lines) + [EMPTY8 if len(lines[0].split(P)) == 8 else EMPTY5] * (5 - len(lines)))


joints = []
for i in range(1, 16):
    t = str(6 + (i % 4) * 3)
    flange = [parts("SN490B", t, "200", "410", "1", "HTB-F10T", "M20", str(8 + i % 3 * 4)),
              parts("SN490B", t, "80", "410", "2", "", "", "")]
    web = [parts("SN490B", "9", "170", "290", "2", "HTB-F10T", "M20", str(6 + i % 2 * 2))]
    filler = [parts("SS400", "2.3", "200", "190", "2")] if i % 5 == 0 else [EMPTY5]
    joints.append("ZZLJ'J%d'%s'%s'%s'%s" % (i, "1" if i % 7 == 0 else "0", group(*flange), group(*web), group(*filler)))
joints.append("ZZLJ'CJ1'0'%s'%s'%s" % (group(parts("SN490C", "25", "400", "650", "1", "HTB-F10T", "M22", "24")),
                                         group(parts("SN490C", "16", "280", "470", "2", "S10T", "M22", "12")),
                                         group(parts("SS400", "4.5", "400", "320", "2"), parts("SS400", "3.2", "280", "200", "4"))))
joints.append("ZZLJ'ﾌﾞﾚｰｽJ’1'1'%s'%s'%s" % (group(parts("SS400", "9", "65", "250", "1", "普通ボルト", "M16", "4")),
                                              group(EMPTY8), group(EMPTY5)))
joints.append("ZZLJ'J：全'0'%s'%s'%s" % (group(*[parts("SN490B", "12", "200", "530", "1", "HTB-F8T", "M20", "12")] * 5),
                                          group(*[parts("SN490B", "9", "100", "290", "2", "HTB-F8T", "M20", "6")] * 5),
                                          group(*[parts("SS400", "1.6", "200", "170", "1")] * 5)))
write("JointListData.ini", joints)
