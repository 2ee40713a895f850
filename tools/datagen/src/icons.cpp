// The desktop icon, drawn with the same piece drawing as the board so the menu entry looks
// like the game it starts.
#include "icons.h"

#include <cairo-svg.h>

#include <filesystem>
#include <functional>
#include <string>

#include "canvas.h"
#include "pieces.h"

namespace fs = std::filesystem;

namespace {

// The title picture's sunburst colours, so the icon and the first screen belong together.
const Colour sunCentre = hex(0xFFE9B8);
const Colour sunEdge = hex(0xE8964A);
const Colour tileEdge = hex(0x3B2314);

// The tile fills the square but for a margin that leaves room for its shadow; a desktop
// shows icons on any background, so the corners stay transparent.
constexpr double margin = 14;
constexpr double cornerRadius = 46;
constexpr double edgeWidth = 7;

void tile(cairo_t* cr)
{
    const double size = iconDesignSize - 2 * margin;
    cairo_new_path(cr);
    roundedRect(cr, margin, margin, size, size, cornerRadius);
    shadowPath(cr, 0, 5, 0.45, 4);
    fillRadial(cr, iconDesignSize / 2, iconDesignSize * 0.38, size * 0.75, sunCentre, sunEdge);
    glossOver(cr, margin + size * 0.08, margin - size * 0.45, size * 0.84, size * 0.95, 0.3);
    strokeOutline(cr, tileEdge, edgeWidth);
}

// Fewer, larger pieces read better at 48 pixels than a whole row would: two behind, the
// tomato in front.
void pieces(cairo_t* cr)
{
    drawPiece(cr, kindCheese, 78, 90, 2.5);
    drawPiece(cr, kindGrapes, 180, 86, 2.5);
    drawPiece(cr, kindTomato, 128, 160, 3.4);
}

bool writeSvg(const fs::path& path)
{
    cairo_surface_t* surface = cairo_svg_surface_create(path.c_str(), iconDesignSize, iconDesignSize);
    cairo_t* cr = cairo_create(surface);
    drawIcon(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

bool writePng(const fs::path& path, int size)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_BEST);
    cairo_scale(cr, size / iconDesignSize, size / iconDesignSize);
    drawIcon(cr);
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

// Makes the folder of one theme size and writes its file there.
bool writeInto(const fs::path& folder, const std::string& file,
               const std::function<bool(const fs::path&)>& write, std::ostream& log)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        log << "cannot create " << folder.string() << ": " << ec.message() << "\n";
        return false;
    }
    if (!write(folder / file)) {
        log << "cannot write " << (folder / file).string() << "\n";
        return false;
    }
    return true;
}

}  // namespace

void drawIcon(cairo_t* cr)
{
    cairo_save(cr);
    tile(cr);
    pieces(cr);
    cairo_restore(cr);
}

bool writeIcons(const std::string& themeDir, const std::string& name, std::ostream& log)
{
    bool ok = true;
    for (int size : iconSizes) {
        const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
        ok = writeInto(
                 fs::path(themeDir) / sizeName / "apps", name + ".png",
                 [size](const fs::path& p) { return writePng(p, size); }, log) &&
             ok;
    }
    return writeInto(fs::path(themeDir) / "scalable" / "apps", name + ".svg", writeSvg, log) && ok;
}
