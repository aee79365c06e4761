// skingen: draws the program's skin (window backgrounds, progress frames, button
// strips, the list pattern and the icon) as 24-bit BMP files and one .ico, and writes
// Skin.rc, the resource lines that compile them into the program.
//   skingen OUTPUT-FOLDER
// Dark graphite with one accent colour; the key colour RGB(0, 64, 0) lies outside
// every window's rounded shape, where the window is cut away.
#include "PixelFont.h"
#include "app/SkinLayout.h"
#include "osd/OsdImages.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace skingen {
namespace {

namespace ly = vardex::layout;
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) { return static_cast<Colour>((r << 16) | (g << 8) | b); }
constexpr int R(Colour c) { return (c >> 16) & 0xFF; }
constexpr int G(Colour c) { return (c >> 8) & 0xFF; }
constexpr int B(Colour c) { return c & 0xFF; }

Colour Mix(Colour a, Colour b, double t)
{
    auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return Rgb(m(R(a), R(b)), m(G(a), G(b)), m(B(a), B(b)));
}

// The palette.
constexpr Colour kKey = Rgb(0, 64, 0);
constexpr Colour kTop = Rgb(44, 46, 53);
constexpr Colour kBottom = Rgb(18, 19, 23);
constexpr Colour kPanel = Rgb(29, 27, 28); // the function lists' own background
constexpr Colour kEdge = Rgb(66, 69, 78);
constexpr Colour kAccent = Rgb(226, 36, 56);
constexpr Colour kAccentDark = Rgb(114, 0, 0); // the lists' selection colour
constexpr Colour kText = Rgb(232, 232, 236);
constexpr Colour kDim = Rgb(140, 144, 154);

class CCanvas {
public:
    CCanvas(int w, int h, Colour fill) : m_W(w), m_H(h), m_Pixels(static_cast<std::size_t>(w) * h, fill) {}

    int Width() const { return m_W; }
    int Height() const { return m_H; }
    void Put(int x, int y, Colour c)
    {
        if (x >= 0 && y >= 0 && x < m_W && y < m_H)
            m_Pixels[static_cast<std::size_t>(y) * m_W + x] = c;
    }
    Colour At(int x, int y) const { return m_Pixels[static_cast<std::size_t>(y) * m_W + x]; }

    void Fill(int x, int y, int w, int h, Colour c)
    {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                Put(i, j, c);
    }
    void Gradient(int x, int y, int w, int h, Colour top, Colour bottom)
    {
        for (int j = 0; j < h; ++j)
            Fill(x, y + j, w, 1, Mix(top, bottom, h > 1 ? double(j) / (h - 1) : 0));
    }
    void Frame(int x, int y, int w, int h, Colour c)
    {
        Fill(x, y, w, 1, c);
        Fill(x, y + h - 1, w, 1, c);
        Fill(x, y, 1, h, c);
        Fill(x + w - 1, y, 1, h, c);
    }
    // A panel with a bevel: dark inside, an edge line, a lighter top row.
    void Panel(int x, int y, int w, int h, Colour inside = kPanel)
    {
        Fill(x, y, w, h, inside);
        Frame(x, y, w, h, kEdge);
        Fill(x + 1, y + 1, w - 2, 1, Mix(kEdge, inside, 0.5));
    }
    // Everything outside a rectangle with rounded corners of radius r becomes the key.
    void CutRoundedCorners(int r)
    {
        for (int j = 0; j < r; ++j)
            for (int i = 0; i < r; ++i) {
                const double dx = r - i - 0.5, dy = r - j - 0.5;
                if (dx * dx + dy * dy > double(r) * r) {
                    Put(i, j, kKey);
                    Put(m_W - 1 - i, j, kKey);
                    Put(i, m_H - 1 - j, kKey);
                    Put(m_W - 1 - i, m_H - 1 - j, kKey);
                }
            }
    }
    // An outline just inside the rounded shape.
    void RoundedOutline(Colour c)
    {
        for (int y = 0; y < m_H; ++y)
            for (int x = 0; x < m_W; ++x) {
                if (At(x, y) == kKey)
                    continue;
                const bool edge = x == 0 || y == 0 || x == m_W - 1 || y == m_H - 1 || At(x - 1, y) == kKey ||
                                  At(x + 1, y) == kKey || At(x, y - 1) == kKey || At(x, y + 1) == kKey;
                if (edge)
                    Put(x, y, c);
            }
    }

    static int TextWidth(const std::string& text, int scale) { return int(text.size()) * kGlyphAdvance * scale - scale; }
    void Text(int x, int y, const std::string& text, Colour c, int scale = 1)
    {
        for (char ch : text) {
            if (const SGlyph* glyph = FindGlyph(ch))
                for (int row = 0; row < kGlyphHeight; ++row)
                    for (int col = 0; col < kGlyphWidth; ++col)
                        if (glyph->rows[row] & (0x10 >> col))
                            Fill(x + col * scale, y + row * scale, scale, scale, c);
            x += kGlyphAdvance * scale;
        }
    }
    void CentredText(int x, int y, int w, int h, const std::string& text, Colour c, int scale = 1)
    {
        Text(x + (w - TextWidth(text, scale)) / 2, y + (h - kGlyphHeight * scale) / 2, text, c, scale);
    }
    // Text with a one-pixel shadow, for captions on the gradient.
    void ShadowText(int x, int y, const std::string& text, Colour c, int scale = 1)
    {
        Text(x + 1, y + 1, text, Rgb(0, 0, 0), scale);
        Text(x, y, text, c, scale);
    }
    void FillEllipse(int cx, int cy, int rx, int ry, Colour c)
    {
        for (int y = -ry; y <= ry; ++y)
            for (int x = -rx; x <= rx; ++x)
                if (double(x) * x / (double(rx) * rx) + double(y) * y / (double(ry) * ry) <= 1.0)
                    Put(cx + x, cy + y, c);
    }
    void Line(int x0, int y0, int x1, int y1, Colour c)
    {
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int s = 0; s <= steps; ++s)
            Put(x0 + (x1 - x0) * s / std::max(steps, 1), y0 + (y1 - y0) * s / std::max(steps, 1), c);
    }
    // Copies another canvas in at (x, y).
    void Blit(const CCanvas& from, int x, int y)
    {
        for (int j = 0; j < from.m_H; ++j)
            for (int i = 0; i < from.m_W; ++i)
                Put(x + i, y + j, from.At(i, j));
    }

    bool SaveBmp(const std::string& path) const
    {
        const int stride = (m_W * 3 + 3) & ~3;
        const std::uint32_t imageSize = static_cast<std::uint32_t>(stride) * m_H;
        std::vector<std::uint8_t> out;
        auto u16 = [&out](unsigned v) { out.push_back(v & 0xFF); out.push_back((v >> 8) & 0xFF); };
        auto u32 = [&u16](std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
        u16(0x4D42); u32(54 + imageSize); u32(0); u32(54);
        u32(40); u32(m_W); u32(m_H); u16(1); u16(24); u32(0); u32(imageSize); u32(3780); u32(3780); u32(0); u32(0);
        for (int y = m_H - 1; y >= 0; --y) {
            for (int x = 0; x < m_W; ++x) {
                const Colour c = At(x, y);
                out.push_back(B(c)); out.push_back(G(c)); out.push_back(R(c));
            }
            out.resize(out.size() + (stride - m_W * 3), 0);
        }
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
        return bool(file);
    }

    // A 32-bit icon; the key colour is transparent.
    bool SaveIco(const std::string& path) const
    {
        const int maskStride = ((m_W + 31) / 32) * 4;
        const std::uint32_t bytes = 40 + m_W * m_H * 4 + maskStride * m_H;
        std::vector<std::uint8_t> out;
        auto u16 = [&out](unsigned v) { out.push_back(v & 0xFF); out.push_back((v >> 8) & 0xFF); };
        auto u32 = [&u16](std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
        u16(0); u16(1); u16(1);
        out.push_back(static_cast<std::uint8_t>(m_W)); out.push_back(static_cast<std::uint8_t>(m_H));
        out.push_back(0); out.push_back(0); u16(1); u16(32); u32(bytes); u32(22);
        u32(40); u32(m_W); u32(m_H * 2); u16(1); u16(32); u32(0); u32(0); u32(0); u32(0); u32(0); u32(0);
        for (int y = m_H - 1; y >= 0; --y)
            for (int x = 0; x < m_W; ++x) {
                const Colour c = At(x, y);
                out.push_back(B(c)); out.push_back(G(c)); out.push_back(R(c)); out.push_back(c == kKey ? 0 : 255);
            }
        for (int y = m_H - 1; y >= 0; --y) {
            std::vector<std::uint8_t> row(maskStride, 0);
            for (int x = 0; x < m_W; ++x)
                if (At(x, y) == kKey)
                    row[x / 8] |= 0x80 >> (x % 8);
            out.insert(out.end(), row.begin(), row.end());
        }
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
        return bool(file);
    }

private:
    int m_W, m_H;
    std::vector<Colour> m_Pixels;
};

// The body every window shares: the gradient, a faint diagonal texture, rounded
// corners and an outline.
CCanvas WindowBody(int w, int h, int radius)
{
    CCanvas c(w, h, kTop);
    c.Gradient(0, 0, w, h, kTop, kBottom);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((x + y) % 6 == 0)
                c.Put(x, y, Mix(c.At(x, y), Rgb(0, 0, 0), 0.18));
    c.CutRoundedCorners(radius);
    c.RoundedOutline(kEdge);
    return c;
}

// The brand mark: the name in capitals with an accent bar beneath.
void Brand(CCanvas& c, int x, int y, int scale)
{
    c.ShadowText(x, y, "VARDEX", kText, scale);
    c.Fill(x, y + 8 * scale, CCanvas::TextWidth("VARDEX", scale), std::max(1, scale / 2), kAccent);
}

CCanvas SmallView(const std::string& line1, const std::string& line2)
{
    CCanvas c = WindowBody(ly::kSmallWidth, ly::kSmallHeight, 10);
    Brand(c, 14, 12, 2);
    c.Fill(0, 0, 4, ly::kSmallHeight, kAccent);
    c.CutRoundedCorners(10);
    c.ShadowText(104, 13, line1, kText);
    c.ShadowText(104, 27, line2, kDim);
    return c;
}

CCanvas ProgressFrame(int lit)
{
    const ly::SBox& bar = ly::kLoadingBar;
    CCanvas c(bar.w, bar.h, Rgb(10, 10, 12));
    c.Frame(0, 0, bar.w, bar.h, kEdge);
    const int segments = 10, gap = 3, width = (bar.w - 4 - gap * (segments - 1)) / segments;
    for (int s = 0; s < segments; ++s) {
        const int x = 2 + s * (width + gap);
        if (s < lit)
            c.Gradient(x, 2, width, bar.h - 4, Mix(kAccent, kText, 0.25), kAccentDark);
        else
            c.Fill(x, 2, width, bar.h - 4, Rgb(34, 35, 40));
    }
    return c;
}

// A strip of four states of a button with a caption.
CCanvas ButtonStrip(int w, int h, const std::string& caption)
{
    CCanvas strip(w * ly::strip::kStates, h, kKey);
    struct SState { Colour top, bottom, edge, text; };
    const SState states[ly::strip::kStates] = {
        {Rgb(62, 65, 74), Rgb(32, 33, 38), kEdge, kText},
        {Rgb(84, 88, 99), Rgb(44, 46, 53), kAccent, Rgb(255, 255, 255)},
        {kAccent, kAccentDark, Mix(kAccent, kText, 0.4), Rgb(255, 255, 255)},
        {Rgb(36, 37, 41), Rgb(26, 27, 30), Rgb(48, 50, 56), Rgb(86, 88, 96)},
    };
    for (int s = 0; s < ly::strip::kStates; ++s) {
        CCanvas b(w, h, kKey);
        b.Gradient(0, 0, w, h, states[s].top, states[s].bottom);
        b.Frame(0, 0, w, h, states[s].edge);
        b.CentredText(0, 0, w, h, caption, states[s].text);
        strip.Blit(b, s * w, 0);
    }
    return strip;
}

void DrawMouse(CCanvas& c)
{
    const ly::SBox& m = ly::kMousePicture;
    const int cx = m.x + m.w / 2, cy = m.y + m.h / 2 + 10;
    c.FillEllipse(cx, cy, 92, 128, kEdge);
    c.FillEllipse(cx, cy, 90, 126, Rgb(24, 25, 29));
    c.FillEllipse(cx, cy + 30, 70, 80, Rgb(30, 31, 36));
    c.Fill(cx - 1, cy - 126, 3, 90, kEdge);              // the split of the two main buttons
    c.Fill(cx - 6, cy - 90, 13, 34, kEdge);              // the wheel
    c.Fill(cx - 4, cy - 88, 9, 30, kAccent);
    c.Fill(cx - 89, cy - 40, 6, 60, kAccent);            // side lights
    c.Fill(cx + 84, cy - 40, 6, 60, kAccent);
    c.CentredText(cx - 60, cy + 60, 120, 12, "VARDEX", kDim);
}

CCanvas MainPage()
{
    CCanvas c = WindowBody(ly::kPageWidth, ly::kPageHeight, 16);
    // The caption area: brand, subtitle, accent rule at its last row.
    Brand(c, 30, 26, 5);
    c.ShadowText(30, 76, "GAMING MOUSE CONFIGURATION", kDim);
    c.Fill(1, ly::kCaptionRows - 1, ly::kPageWidth - 2, 2, kAccent);
    c.ShadowText(ly::kProfileButtons[0].x, 86, "GAME PROFILE", kDim);
    // The nine button panels with their numbers and a lead line to the mouse.
    for (int u = 0; u < 9; ++u) {
        const ly::SBox p = ly::PanelLabel(u);
        c.Panel(p.x - 4, p.y - 4, p.w + 8, p.h + 8);
        c.Fill(p.x - 4, p.y - 4, 3, p.h + 8, kAccent);
        const int lx = u < 5 ? p.x + p.w + 4 : p.x - 4;
        const int tx = u < 5 ? ly::kMousePicture.x + 40 : ly::kMousePicture.x + ly::kMousePicture.w - 40;
        c.Line(lx, p.y + p.h / 2, tx, p.y + p.h / 2, Rgb(58, 60, 68));
        c.Text(p.x + p.w - 20, p.y - 1, "B" + std::to_string(u + 1), kDim);
    }
    c.ShadowText(30, 156, "BUTTONS", kDim);
    DrawMouse(c);
    // The stopwatch.
    const ly::SBox& s = ly::kStopwatchPanel;
    c.Panel(s.x - 6, s.y - 16, s.w + 26, s.h + 24, Rgb(14, 14, 16));
    c.Text(s.x - 2, s.y - 12, "STOPWATCH", kDim);
    // The command row.
    c.Fill(1, 524, ly::kPageWidth - 2, 1, kEdge);
    c.CutRoundedCorners(16);
    return c;
}

CCanvas SkinDialog(int height, const std::string& title, const std::vector<std::string>& lines)
{
    CCanvas c = WindowBody(ly::kSkinWidth, height, 10);
    c.Fill(1, 28, ly::kSkinWidth - 2, 1, kAccent);
    c.ShadowText(14, 11, title, kText);
    c.Text(ly::kSkinWidth - 14 - CCanvas::TextWidth("VARDEX", 1), 11, "VARDEX", kAccent);
    int y = 44;
    for (const std::string& line : lines) {
        c.ShadowText(20, y, line, kText);
        y += 14;
    }
    return c;
}

CCanvas Icon()
{
    CCanvas c(32, 32, kKey);
    c.FillEllipse(15, 15, 15, 15, kAccent);
    c.FillEllipse(15, 15, 13, 13, Rgb(24, 25, 29));
    // A V of two strokes.
    for (int t = 0; t < 3; ++t) {
        c.Line(8 + t, 8, 15, 24, kText);
        c.Line(23 - t, 8, 16, 24, kText);
    }
    return c;
}

// ---- the on-screen display's images (the display library's skin) ----
// Its windows are cut with RGB(64, 64, 64); the digits and blanks sit on the level
// panel, so they carry the panel's own colour and never cut holes into it.
constexpr Colour kOsdKey = Rgb(64, 64, 64);
constexpr Colour kOsdPlate = Rgb(24, 25, 30);

CCanvas OsdPlate(int w, int h)
{
    CCanvas c(w, h, kOsdKey);
    const int r = std::min(8, std::min(w, h) / 2);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int dx = std::max({r - x, x - (w - 1 - r), 0});
            const int dy = std::max({r - y, y - (h - 1 - r), 0});
            if (dx * dx + dy * dy <= r * r)
                c.Put(x, y, dx * dx + dy * dy >= (r - 2) * (r - 2) && (dx || dy) ? kAccent : kOsdPlate);
        }
    }
    for (int x = r; x < w - r; ++x) {
        c.Put(x, 0, kAccent);
        c.Put(x, 1, kAccent);
        c.Put(x, h - 1, kAccent);
        c.Put(x, h - 2, kAccent);
    }
    for (int y = r; y < h - r; ++y) {
        c.Put(0, y, kAccent);
        c.Put(1, y, kAccent);
        c.Put(w - 1, y, kAccent);
        c.Put(w - 2, y, kAccent);
    }
    return c;
}

CCanvas OsdProfile(int id)
{
    const auto size = vardex::osd::ImageSize(id);
    CCanvas c = OsdPlate(size.width, size.height);
    c.CentredText(0, 0, size.width, size.height, "PROFILE " + std::to_string(id - vardex::osd::kProfileImage + 1),
                  kText, 1);
    return c;
}

CCanvas OsdDigit(int id)
{
    const auto size = vardex::osd::ImageSize(id);
    CCanvas c(size.width, size.height, kOsdPlate);
    if (id != vardex::osd::kBlankDigit)
        c.CentredText(0, 0, size.width, size.height, std::to_string(id - vardex::osd::kDigitImage), kText, 3);
    return c;
}

CCanvas OsdLevelPanel(int id)
{
    namespace osd = vardex::osd;
    const auto size = osd::ImageSize(id);
    CCanvas c = OsdPlate(size.width, size.height);
    c.Text(14, 12, "SENSITIVITY", kDim, 1);
    c.Text(size.width - 100, 10, "LEVEL " + std::to_string(id - osd::kLevelPanel + 1), kAccent, 2);
    c.Text(osd::kDigitsLeft - 40, osd::kUpperRowTop + 6, "X", kText, 2);
    c.Text(osd::kDigitsLeft - 40, osd::kLowerRowTop + 6, "Y", kText, 2);
    const int unitsLeft = osd::kDigitsLeft + osd::kDigitCount * 30 + 8;
    c.Text(unitsLeft, osd::kUpperRowTop + 10, "DPI", kDim, 1);
    c.Text(unitsLeft, osd::kLowerRowTop + 10, "DPI", kDim, 1);
    return c;
}

CCanvas OsdExtraButton(int id)
{
    const auto size = vardex::osd::ImageSize(id);
    CCanvas c(size.width, size.height, kOsdKey);
    const int cx = size.width / 2, cy = size.height / 2, r = std::min(cx, cy) - 1;
    c.FillEllipse(cx, cy, r, r, kAccent);
    c.FillEllipse(cx, cy, r - 3, r - 3, kOsdPlate);
    const bool back = id == vardex::osd::kBackButton;
    for (int t = 0; t < 10; ++t) { // an arrow head pointing back or forward
        const int x = back ? cx - 6 + t : cx + 6 - t;
        c.Line(x, cy - t, x, cy + t, kText);
    }
    return c;
}

struct SOutput {
    std::string folder;
    std::ofstream rc;
    bool ok = true;

    void Bitmap(int id, const CCanvas& canvas)
    {
        const std::string path = folder + "/bitmap" + std::to_string(id) + ".bmp";
        ok = canvas.SaveBmp(path) && ok;
        rc << id << " BITMAP \"" << path << "\"\n";
    }
};

} // namespace
} // namespace skingen

int main(int argc, char** argv)
{
    using namespace skingen;
    if (argc != 2) {
        std::fprintf(stderr, "usage: skingen OUTPUT-FOLDER\n");
        return 64;
    }
    SOutput out{argv[1], std::ofstream(std::string(argv[1]) + "/Skin.rc")};
    out.rc << "// Made by skingen: the skin bitmaps and the icon.\n";

    out.Bitmap(ly::kNoMouseBitmap, SmallView("NO GAMER MOUSE CONNECTED", "PLUG IN YOUR VARDEX MOUSE"));
    out.Bitmap(ly::kUnusedModeBitmap, SmallView("PLEASE WAIT", ""));
    out.Bitmap(ly::kLoadingBitmap, SmallView("LOADING PROFILES", "READING THE MOUSE MEMORY"));
    out.Bitmap(ly::kPageBitmap, MainPage());
    for (int frame = 0; frame < 10; ++frame)
        out.Bitmap(100 + frame, ProgressFrame(frame + 1));
    out.Bitmap(252, ProgressFrame(10));

    out.Bitmap(248, SkinDialog(ly::kSkinHeight, "WARNING",
                               {"THE MOUSE WILL BE RESET TO ITS FACTORY", "DEFAULTS. ALL SETTINGS OF THIS PROFILE",
                                "WILL BE LOST. CONTINUE?"}));
    out.Bitmap(249, SkinDialog(ly::kSkinHeight, "NOW LOADING", {"READING FROM THE MOUSE..."}));
    out.Bitmap(250, SkinDialog(ly::kSkinHeight, "NOW SAVING", {"WRITING TO THE MOUSE..."}));
    out.Bitmap(251, SkinDialog(ly::kSkinHeight, "MESSAGE", {}));
    out.Bitmap(267, SkinDialog(ly::kRepeatHeight, "REPEAT MODE", {"HOW SHALL THE MACRO REPEAT?"}));
    out.Bitmap(287, SkinDialog(ly::kSkinHeight, "WARNING", {}));
    out.Bitmap(353, SkinDialog(ly::kSkinHeight, "WARNING",
                               {"THIS GAME PROFILE HAS UNSAVED CHANGES.", "SAVE THEM TO THE MOUSE FIRST?"}));

    namespace st = vardex::layout::strip;
    out.Bitmap(st::kYes, ButtonStrip(ly::kSkinButtonWidth, ly::kSkinButtonHeight, "YES"));
    out.Bitmap(st::kNo, ButtonStrip(ly::kSkinButtonWidth, ly::kSkinButtonHeight, "NO"));
    out.Bitmap(st::kOk, ButtonStrip(ly::kSkinButtonWidth, ly::kSkinButtonHeight, "OK"));
    out.Bitmap(st::kClose, ButtonStrip(24, 24, "X"));
    out.Bitmap(st::kMinimise, ButtonStrip(24, 24, "_"));
    out.Bitmap(st::kHide, ButtonStrip(24, 24, "V"));
    for (int p = 0; p < 5; ++p)
        out.Bitmap(st::kProfileFirst + p, ButtonStrip(96, 30, "PROFILE " + std::to_string(p + 1)));
    const char* commands[9] = {"RESET", "LOAD", "SAVE", "APPLY", "ADVANCED", "LED", "HELP", "WEB", "REGISTER"};
    for (int i = 0; i < 9; ++i)
        out.Bitmap(st::kCommandFirst + i, ButtonStrip(ly::kCommandButtons[i].w, ly::kCommandButtons[i].h, commands[i]));
    const char* watch[3] = {">", "||", "RESET"};
    for (int i = 0; i < 3; ++i)
        out.Bitmap(st::kStopwatchFirst + i,
                   ButtonStrip(ly::kStopwatchButtons[i].w, ly::kStopwatchButtons[i].h, watch[i]));
    const char* options[3] = {"ONCE", "HOLD", "TOGGLE"};
    for (int i = 0; i < 3; ++i) {
        out.Bitmap(st::kOptionFirst + i, ButtonStrip(90, 30, options[i]));
        out.Bitmap(st::kOptionFirst + 3 + i, ButtonStrip(90, 30, "> " + std::string(options[i])));
    }
    CCanvas pattern(8, 8, Rgb(29, 27, 28));
    for (int i = 0; i < 8; ++i)
        pattern.Put(i, 7 - i, Rgb(37, 35, 37));
    out.Bitmap(ly::kListPattern, pattern);

    // The display library's images, listed in their own resource script.
    {
        namespace osd = vardex::osd;
        SOutput display{out.folder, std::ofstream(out.folder + "/OsdSkin.rc")};
        display.rc << "// Made by skingen: the on-screen display's images.\n";
        for (int id = osd::kProfileImage; id < osd::kDigitImage; ++id)
            display.Bitmap(id, OsdProfile(id));
        for (int id = osd::kDigitImage; id <= osd::kBlankDigit; ++id)
            display.Bitmap(id, OsdDigit(id));
        for (int id = osd::kLevelPanel; id < osd::kBackButton; ++id)
            display.Bitmap(id, OsdLevelPanel(id));
        display.Bitmap(osd::kBackButton, OsdExtraButton(osd::kBackButton));
        display.Bitmap(osd::kForwardButton, OsdExtraButton(osd::kForwardButton));
        display.rc.close();
        out.ok = out.ok && display.ok && static_cast<bool>(display.rc);
    }

    const std::string icon = out.folder + "/icon800.ico";
    out.ok = Icon().SaveIco(icon) && out.ok;
    out.rc << ly::kIcon << " ICON \"" << icon << "\"\n";
    out.rc.close();
    if (!out.ok || !out.rc) {
        std::fprintf(stderr, "skingen: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
