#include "ArticleCorpus.h"

#include "platform/CodePage.h"

#include <algorithm>
#include <string_view>

namespace mojiro {

namespace {

// Word tables, already in CP932.

constexpr std::string_view kKanjiNouns[] = {
    "\x90\xAD\x95\x7B",         // 政府
    "\x8E\xF1\x91\x8A",         // 首相
    "\x89\xEF\x8C\xA9",         // 会見
    "\x8C\x6F\x8D\xCF",         // 経済
    "\x97\x5C\x8E\x5A",         // 予算
    "\x8B\x4C\x8E\xD2",         // 記者
    "\x8D\x91\x89\xEF",         // 国会
    "\x93\x8C\x8B\x9E",         // 東京
    "\x91\xE5\x8D\xE3",         // 大阪
    "\x96\xBC\x8C\xC3\x89\xAE", // 名古屋
    "\x95\x9F\x89\xAA",         // 福岡
    "\x8E\x44\x96\x79",         // 札幌
    "\x93\x73\x93\xE0",         // 都内
    "\x8C\xA7\x8C\x78",         // 県警
    "\x8C\x78\x8E\x40",         // 警察
    "\x8E\x96\x8C\x8F",         // 事件
    "\x92\xB2\x8D\xB8",         // 調査
    "\x8A\xD6\x8C\x57\x8E\xD2", // 関係者
    "\x89\x7E\x88\xC0",         // 円安
    "\x8A\x94\x89\xBF",         // 株価
    "\x91\x49\x8B\x93",         // 選挙
    "\x8C\xF3\x95\xE2\x8E\xD2", // 候補者
    "\x8F\x5A\x96\xAF",         // 住民
    "\x92\x6E\x90\x6B",         // 地震
    "\x94\xED\x8A\x51",         // 被害
    "\x91\xCE\x8D\xF4",         // 対策
    "\x89\xEF\x8B\x63",         // 会議
    "\x88\xCF\x88\xF5\x89\xEF", // 委員会
    "\x95\xFB\x90\x6A",         // 方針
    "\x8E\xD0\x92\xB7",         // 社長
    "\x8A\xE9\x8B\xC6",         // 企業
    "\x8B\xC6\x90\xD1",         // 業績
    "\x8C\xA9\x92\xCA\x82\xB5", // 見通し
    "\x8C\xDF\x91\x4F",         // 午前
    "\x8C\xDF\x8C\xE3",         // 午後
    "\x8D\xF0\x94\x4E",         // 昨年
    "\x8D\xA1\x94\x4E",         // 今年
    "\x93\xAF\x93\xFA",         // 同日
    "\x8E\x73\x92\xB7",         // 市長
    "\x92\x6D\x8E\x96",         // 知事
    "\x8B\x63\x88\xF5",         // 議員
    "\x96\xEC\x93\x7D",         // 野党
    "\x97\x5E\x93\x7D",         // 与党
    "\x8A\x4F\x91\x8A",         // 外相
    "\x91\xE5\x93\x9D\x97\xCC", // 大統領
    "\x8E\xF1\x94\x5D",         // 首脳
    "\x89\xEF\x92\x6B",         // 会談
    "\x8B\xA6\x8B\x63",         // 協議
    "\x8D\x87\x88\xD3",         // 合意
    "\x97\x41\x8F\x6F",         // 輸出
    "\x95\xA8\x89\xBF",         // 物価
    "\x92\xC0\x8B\xE0",         // 賃金
    "\x8C\xD9\x97\x70",         // 雇用
    "\x8B\xB3\x88\xE7",         // 教育
    "\x95\x61\x89\x40",         // 病院
    "\x88\xE3\x97\xC3",         // 医療
    "\x8A\xB4\x90\xF5",         // 感染
    "\x8B\x43\x8F\xDB\x92\xA1", // 気象庁
    "\x91\xE4\x95\x97",         // 台風
    "\x91\xE5\x89\x4A",         // 大雨
    "\x8C\x78\x95\xF1",         // 警報
    "\x94\xF0\x93\xEF",         // 避難
    "\x93\x53\x93\xB9",         // 鉄道
    "\x89\x5E\x8B\x78",         // 運休
    "\x8C\xF0\x92\xCA",         // 交通
    "\x8E\x96\x8C\xCC",         // 事故
    "\x8D\xD9\x94\xBB",         // 裁判
    "\x94\xBB\x8C\x88",         // 判決
    "\x97\x65\x8B\x5E\x8E\xD2", // 容疑者
    "\x91\x7B\x8D\xB8",         // 捜査
    "\x8A\xC2\x8B\xAB",         // 環境
    "\x89\xB7\x92\x67\x89\xBB", // 温暖化
    "\x8B\x5A\x8F\x70",         // 技術
    "\x8A\x4A\x94\xAD",         // 開発
    "\x8C\xA4\x8B\x86",         // 研究
    "\x91\xE5\x8A\x77",         // 大学
    "\x8E\x8E\x8D\x87",         // 試合
    "\x97\x44\x8F\x9F",         // 優勝
    "\x91\x49\x8E\xE8",         // 選手
    "\x8A\xC4\x93\xC2",         // 監督
    "\x93\xFA\x96\x7B",         // 日本
    "\x95\xC4\x8D\x91",         // 米国
    "\x92\x86\x8D\x91",         // 中国
    "\x89\xA2\x8F\x42",         // 欧州
    "\x90\xAD\x8D\xF4",         // 政策
    "\x89\xFC\x8A\x76",         // 改革
    "\x96\x40\x88\xC4",         // 法案
    "\x90\x52\x8B\x63",         // 審議
    "\x8C\x69\x8B\x43",         // 景気
    "\x8B\xE0\x97\x98",         // 金利
    "\x93\xFA\x8B\xE2",         // 日銀
    "\x8F\xC1\x94\xEF",         // 消費
    "\x91\x9D\x90\xC5",         // 増税
    "\x90\x6C\x8C\xFB",         // 人口
    "\x8F\xAD\x8E\x71\x89\xBB", // 少子化
    "\x8D\x82\x97\xEE\x8E\xD2", // 高齢者
    "\x92\x6E\x88\xE6",         // 地域
    "\x8E\xA9\x8E\xA1\x91\xCC", // 自治体
    "\x8C\x76\x89\xE6",         // 計画
    "\x89\x65\x8B\xBF",         // 影響
    "\x96\xE2\x91\xE8",         // 問題
    "\x8C\x8B\x89\xCA",         // 結果
    "\x8F\xF3\x8B\xB5",         // 状況
    "\x8C\xBB\x8F\xEA",         // 現場
    "\x8E\x73\x96\xAF",         // 市民
    "\x8D\x48\x8F\xEA",         // 工場
    "\x90\xB6\x8E\x59",         // 生産
    "\x94\xCC\x94\x84",         // 販売
    "\x89\xBF\x8A\x69",         // 価格
    "\x91\x4F\x94\x4E",         // 前年
    "\x93\xAF\x8A\xFA",         // 同期
    "\x8F\xEE\x95\xF1",         // 情報
    "\x90\xE0\x96\xBE",         // 説明
    "\x97\x76\x90\xBF",         // 要請
    "\x8E\x78\x89\x87",         // 支援
    "\x90\xA7\x93\x78",         // 制度
    "\x95\x89\x92\x53",         // 負担
    "\x95\xDB\x8C\xAF",         // 保険
    "\x94\x4E\x8B\xE0",         // 年金
    "\x8E\xF1\x93\x73\x8C\x97", // 首都圏
    "\x91\x53\x8D\x91",         // 全国
};

constexpr std::string_view kKatakanaWords[] = {
    "\x83\x6A\x83\x85\x81\x5B\x83\x58",                         // ニュース
    "\x83\x65\x83\x8C\x83\x72",                                 // テレビ
    "\x83\x43\x83\x93\x83\x5E\x81\x5B\x83\x6C\x83\x62\x83\x67", // インターネット
    "\x83\x66\x81\x5B\x83\x5E",                                 // データ
    "\x83\x56\x83\x58\x83\x65\x83\x80",                         // システム
    "\x83\x54\x81\x5B\x83\x72\x83\x58",                         // サービス
    "\x83\x45\x83\x4E\x83\x89\x83\x43\x83\x69",                 // ウクライナ
    "\x83\x8D\x83\x56\x83\x41",                                 // ロシア
    "\x83\x41\x83\x81\x83\x8A\x83\x4A",                         // アメリカ
    "\x83\x47\x83\x6C\x83\x8B\x83\x4D\x81\x5B",                 // エネルギー
    "\x83\x4B\x83\x5C\x83\x8A\x83\x93",                         // ガソリン
    "\x83\x58\x83\x7D\x81\x5B\x83\x67\x83\x74\x83\x48\x83\x93", // スマートフォン
    "\x83\x49\x83\x8A\x83\x93\x83\x73\x83\x62\x83\x4E",         // オリンピック
    "\x83\x54\x83\x62\x83\x4A\x81\x5B",                         // サッカー
    "\x83\x60\x81\x5B\x83\x80",                                 // チーム
    "\x83\x76\x83\x8D\x83\x57\x83\x46\x83\x4E\x83\x67",         // プロジェクト
    "\x83\x52\x83\x93\x83\x73\x83\x85\x81\x5B\x83\x5E\x81\x5B", // コンピューター
    "\x83\x45\x83\x43\x83\x8B\x83\x58",                         // ウイルス
    "\x83\x8F\x83\x4E\x83\x60\x83\x93",                         // ワクチン
    "\x83\x43\x83\x78\x83\x93\x83\x67",                         // イベント
    "\x83\x7D\x83\x93\x83\x56\x83\x87\x83\x93",                 // マンション
    "\x83\x7A\x83\x65\x83\x8B",                                 // ホテル
    "\x83\x81\x81\x5B\x83\x4A\x81\x5B",                         // メーカー
    "\x83\x4F\x83\x8B\x81\x5B\x83\x76",                         // グループ
};

constexpr std::string_view kHalfWidthKatakanaWords[] = {
    "\xC6\xAD\xB0\xBD", // ﾆｭｰｽ
    "\xC3\xDE\xB0\xC0", // ﾃﾞｰﾀ
    "\xBF\xCC\xC4",     // ｿﾌﾄ
    "\xB6\xD2\xD7",     // ｶﾒﾗ
    "\xD2\xB0\xD9",     // ﾒｰﾙ
    "\xC3\xDA\xCB\xDE", // ﾃﾚﾋﾞ
};

constexpr std::string_view kParticles[] = {
    "\x82\xCD",                         // は
    "\x82\xAA",                         // が
    "\x82\xF0",                         // を
    "\x82\xC9",                         // に
    "\x82\xC5",                         // で
    "\x82\xC6",                         // と
    "\x82\xCC",                         // の
    "\x82\xE0",                         // も
    "\x82\xD6",                         // へ
    "\x82\xA9\x82\xE7",                 // から
    "\x82\xDC\x82\xC5",                 // まで
    "\x82\xE6\x82\xE8",                 // より
    "\x82\xC9\x82\xC2\x82\xA2\x82\xC4", // について
    "\x82\xC9\x82\xE6\x82\xE9\x82\xC6", // によると
    "\x82\xC6\x82\xB5\x82\xC4",         // として
    "\x82\xC8\x82\xC7",                 // など
    "\x82\xE2",                         // や
};

constexpr std::string_view kConnectors[] = {
    "\x82\xF0\x8E\xF3\x82\xAF",         // を受け
    "\x82\xC9\x94\xBA\x82\xA2",         // に伴い
    "\x82\xF0\x8F\x84\x82\xE8",         // を巡り
    "\x82\xC9\x91\xCE\x82\xB5",         // に対し
    "\x82\xC6\x82\xC6\x82\xE0\x82\xC9", // とともに
    "\x82\xBD\x82\xDF",                 // ため
    "\x82\xB5\x82\xBD\x82\xAA",         // したが
    "\x82\xB5\x82\xC4\x82\xA8\x82\xE8", // しており
};

constexpr std::string_view kEndings[] = {
    "\x82\xB5\x82\xBD",                                         // した
    "\x82\xC6\x8F\x71\x82\xD7\x82\xBD",                         // と述べた
    "\x82\xF0\x96\xBE\x82\xE7\x82\xA9\x82\xC9\x82\xB5\x82\xBD", // を明らかにした
    "\x82\xC6\x98\x62\x82\xB5\x82\xBD",                         // と話した
    "\x95\xFB\x90\x6A\x82\xBE",                                 // 方針だ
    "\x8C\xA9\x92\xCA\x82\xB5\x82\xBE",                         // 見通しだ
    "\x82\xC6\x82\xB5\x82\xC4\x82\xA2\x82\xE9",                 // としている
    "\x82\xF0\x94\xAD\x95\x5C\x82\xB5\x82\xBD",                 // を発表した
    "\x82\xF0\x8C\x9F\x93\xA2\x82\xB5\x82\xC4\x82\xA2\x82\xE9", // を検討している
    "\x82\xB1\x82\xC6\x82\xAA\x95\xAA\x82\xA9\x82\xC1\x82\xBD", // ことが分かった
    "\x97\x5C\x92\xE8\x82\xBE",                                 // 予定だ
    "\x82\xC6\x82\xA2\x82\xA4",                                 // という
    "\x82\xC9\x8F\xE3\x82\xC1\x82\xBD",                         // に上った
    "\x82\xF0\x8B\x81\x82\xDF\x82\xBD",                         // を求めた
    "\x82\xAA\x91\x8A\x8E\x9F\x82\xA2\x82\xBE",                 // が相次いだ
    "\x82\xC9\x92\x42\x82\xB5\x82\xBD",                         // に達した
    "\x82\xF0\x8E\xA6\x82\xB5\x82\xBD",                         // を示した
    "\x82\xC6\x8B\xAD\x92\xB2\x82\xB5\x82\xBD",                 // と強調した
    "\x8D\x6C\x82\xA6\x82\xBE",                                 // 考えだ
    "\x82\xF0\x8C\x88\x82\xDF\x82\xBD",                         // を決めた
};

constexpr std::string_view kCounters[] = {
    "\x94\x4E",         // 年
    "\x8C\x8E",         // 月
    "\x93\xFA",         // 日
    "\x90\x6C",         // 人
    "\x89\x7E",         // 円
    "\x96\x9C\x89\x7E", // 万円
    "\x89\xAD\x89\x7E", // 億円
    "\x8C\x8F",         // 件
    "\x8D\xCE",         // 歳
    "\x8E\x9E",         // 時
    "\x95\xAA",         // 分
    "\x89\xF1",         // 回
    "\x91\xE4",         // 台
    "\x8E\xD0",         // 社
    "\x83\x4C\x83\x8D", // キロ
    "\x96\x7B",         // 本
    "\x94\x7B",         // 倍
    "\x81\x93",         // ％
};

constexpr std::string_view kComma = "\x81\x41";           // 、
constexpr std::string_view kPeriod = "\x81\x42";          // 。
constexpr std::string_view kOpenQuote = "\x81\x75";       // 「
constexpr std::string_view kCloseQuote = "\x81\x76";      // 」
constexpr std::string_view kOpenParen = "\x81\x69";       // （
constexpr std::string_view kCloseParen = "\x81\x6A";      // ）
constexpr std::string_view kMiddleDot = "\x81\x45";       // ・
constexpr std::string_view kFullWidthSpace = "\x81\x40";  // 　
constexpr std::string_view kOpenLenticular = "\x81\x79";  // 【
constexpr std::string_view kCloseLenticular = "\x81\x7A"; // 】
constexpr std::string_view kDiamond = "\x81\x9F";         // ◆
constexpr std::string_view kAge = "\x8D\xCE";             // 歳

constexpr std::string_view kAsciiWords[] = {
    "NHK",   "G7",     "iPhone", "AI",  "IT", "GDP",   "NATO", "JR",      "WHO",   "OECD",
    "Apple", "Google", "PC",     "SNS", "EU", "ASEAN", "iPS",  "Windows", "TOPIX", "LINE",
};

// splitmix64: a fixed generator, so a seed means the same corpus everywhere.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed) {}

    std::uint64_t Next() {
        state_ += 0x9E3779B97F4A7C15;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
        return z ^ (z >> 31);
    }

    // 0 <= result < n, for n below 2^32.
    std::size_t Below(std::size_t n) {
        return static_cast<std::size_t>(((Next() >> 32) * n) >> 32);
    }

    // True once in `n` times on average.
    bool OneIn(std::size_t n) { return Below(n) == 0; }

private:
    std::uint64_t state_;
};

class ArticleWriter {
public:
    ArticleWriter(std::string& out, std::uint32_t seed) : out_(out), random_(seed) {}

    // Appends one line with its CR LF.
    void Line() {
        const std::size_t kind = random_.Below(100);
        if (kind < 6) {
            // an empty line between articles
        } else if (kind < 12) {
            Title();
        } else if (kind < 15) {
            TableRow();
        } else {
            Paragraph();
        }
        out_ += "\r\n";
    }

private:
    template <std::size_t N> void Pick(const std::string_view (&table)[N]) {
        out_ += table[random_.Below(N)];
    }

    void Title() {
        if (random_.OneIn(2)) {
            out_ += kOpenLenticular;
            Pick(kKanjiNouns);
            out_ += kCloseLenticular;
        } else {
            out_ += kDiamond;
        }
        NounPhrase();
        Pick(kParticles);
        Pick(kKanjiNouns);
    }

    // A line of a results table: a name and two figures, separated by tabs.
    void TableRow() {
        Pick(kKanjiNouns);
        out_ += '\t';
        Number();
        out_ += '\t';
        Number();
    }

    void Paragraph() {
        const std::size_t kind = random_.Below(100);
        if (kind < 10) {
            // a few characters: a caption or a byline
            NounPhrase();
            if (random_.OneIn(2)) {
                out_ += kPeriod;
            }
            return;
        }
        const std::size_t target = kind < 98 ? 40 + random_.Below(560) : 2000 + random_.Below(7000);
        const std::size_t start = out_.size();
        if (random_.OneIn(20)) {
            out_ += '\t';
        } else {
            out_ += kFullWidthSpace;
        }
        while (out_.size() - start < target) {
            Sentence();
        }
    }

    void Sentence() {
        const std::size_t clauses = 1 + random_.Below(3);
        for (std::size_t i = 0; i < clauses; ++i) {
            NounPhrase();
            Pick(kParticles);
            if (random_.OneIn(3)) {
                out_ += kComma;
            }
        }
        if (random_.OneIn(3)) {
            NounPhrase();
            Pick(kConnectors);
            out_ += kComma;
        }
        Pick(kKanjiNouns);
        Pick(kEndings);
        out_ += kPeriod;
    }

    void NounPhrase() {
        const std::size_t kind = random_.Below(100);
        if (kind < 45) {
            Pick(kKanjiNouns);
            if (random_.OneIn(3)) {
                Pick(kKanjiNouns);
            }
        } else if (kind < 60) {
            Pick(kKatakanaWords);
        } else if (kind < 70) {
            Pick(kAsciiWords);
        } else if (kind < 85) {
            Number();
            Pick(kCounters);
        } else if (kind < 92) {
            out_ += kOpenQuote;
            Pick(kKanjiNouns);
            Pick(kParticles);
            Pick(kKatakanaWords);
            out_ += kCloseQuote;
        } else if (kind < 95) {
            Pick(kKanjiNouns);
            out_ += kOpenParen;
            Digits(18 + random_.Below(70));
            out_ += kAge;
            out_ += kCloseParen;
        } else if (kind < 98) {
            Pick(kKatakanaWords);
            out_ += kMiddleDot;
            Pick(kAsciiWords);
        } else {
            Pick(kHalfWidthKatakanaWords);
        }
    }

    // A figure in the forms newspapers print: years, counts, amounts with a
    // thousands comma, decimals; now and then in full-width digits.
    void Number() {
        const std::size_t kind = random_.Below(10);
        if (kind == 0) {
            FullWidthDigits(1 + random_.Below(99));
        } else if (kind < 3) {
            Digits(1990 + random_.Below(40));
        } else if (kind < 7) {
            Digits(1 + random_.Below(99));
        } else if (kind < 9) {
            Digits(1 + random_.Below(999));
            out_ += ',';
            Digits(random_.Below(1000), 3);
        } else {
            Digits(random_.Below(100));
            out_ += '.';
            Digits(random_.Below(10));
        }
    }

    void Digits(std::size_t value, std::size_t minWidth = 1) {
        char buffer[20];
        std::size_t length = 0;
        do {
            buffer[length++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0 || length < minWidth);
        std::reverse(buffer, buffer + length);
        out_.append(buffer, length);
    }

    void FullWidthDigits(std::size_t value) {
        const std::size_t tens = value / 10;
        if (tens != 0) {
            FullWidthDigit(tens);
        }
        FullWidthDigit(value % 10);
    }

    // ０ to ９ are 0x824F to 0x8258.
    void FullWidthDigit(std::size_t digit) {
        out_ += '\x82';
        out_ += static_cast<char>(0x4F + digit);
    }

    std::string& out_;
    Random random_;
};

// The longest line the writer makes, with room to spare.
constexpr std::size_t kMaxLine = 16 * 1024;

// Cuts the text, whose last line starts at `lineStart` and crosses `bytes`,
// to exactly `bytes` without splitting a character, ending in CR LF.
void FitToSize(std::string& text, std::size_t bytes, std::size_t lineStart) {
    if (text.size() == bytes) {
        return;
    }
    const bool roomForLineEnd = bytes >= 2;
    const std::size_t keep = roomForLineEnd ? bytes - 2 : bytes;
    // Line starts are character boundaries, and so is the gap between the CR
    // and LF before one.
    std::size_t cut = std::min(lineStart, keep);
    while (cut + CharLength(text, cut) <= keep) {
        cut += CharLength(text, cut);
    }
    text.resize(cut);
    if (!text.empty() && text.back() == '\r') {
        text.back() = ' '; // a CR without its LF would be a line break of its own
    }
    text.append(keep - cut, ' ');
    if (roomForLineEnd) {
        text += "\r\n";
    }
}

} // namespace

std::string MakeArticleCorpus(std::size_t bytes, std::uint32_t seed) {
    std::string text;
    text.reserve(bytes + kMaxLine);
    ArticleWriter writer(text, seed);
    std::size_t lineStart = 0;
    while (text.size() < bytes) {
        lineStart = text.size();
        writer.Line();
    }
    FitToSize(text, bytes, lineStart);
    return text;
}

} // namespace mojiro
