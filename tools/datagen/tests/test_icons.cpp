// The desktop icon files: every theme size is a square of the same design with
// transparent corners, the pieces show at every size, and the scalable one is vector art.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "icons.h"

namespace fs = std::filesystem;

namespace {

// One run of the writer for the whole test binary, into a folder removed at exit.
struct WrittenTheme {
    fs::path dir;
    WrittenTheme()
    {
        char pattern[] = "/tmp/plumbrix-icons-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made)
            std::abort();
        dir = made;
        std::ostringstream log;
        if (!writeIcons(dir.string(), "plumbrix", log))
            ADD_FAILURE() << log.str();
    }
    ~WrittenTheme()
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    WrittenTheme(const WrittenTheme&) = delete;
    WrittenTheme& operator=(const WrittenTheme&) = delete;
};

const fs::path& themeDir()
{
    static const WrittenTheme theme;
    return theme.dir;
}

struct Pixel {
    int r, g, b, a;  // premultiplied, as cairo keeps them
};

// A decoded icon PNG; owns the cairo surface.
class Png {
public:
    explicit Png(const fs::path& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Png()
    {
        cairo_surface_destroy(surface);
    }
    Png(const Png&) = delete;
    Png& operator=(const Png&) = delete;

    bool ok() const
    {
        return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    }
    int width() const
    {
        return cairo_image_surface_get_width(surface);
    }
    int height() const
    {
        return cairo_image_surface_get_height(surface);
    }
    Pixel at(int x, int y) const
    {
        const unsigned char* row = cairo_image_surface_get_data(surface) +
                                   size_t(y) * size_t(cairo_image_surface_get_stride(surface));
        const uint32_t p = reinterpret_cast<const uint32_t*>(row)[x];
        return {int(p >> 16 & 255), int(p >> 8 & 255), int(p & 255), int(p >> 24)};
    }
    // How much of the square is covered, 0..1.
    double coverage() const
    {
        double sum = 0;
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                sum += at(x, y).a;
        return sum / (255.0 * width() * height());
    }

private:
    cairo_surface_t* surface;
};

fs::path pngOf(int size)
{
    const std::string side = std::to_string(size);
    return themeDir() / (side + "x" + side) / "apps" / "plumbrix.png";
}

}  // namespace

TEST(Icons, EveryFixedSizeIsASquareWithTransparentCornersAndAnOpaqueMiddle)
{
    for (int size : iconSizes) {
        const Png png(pngOf(size));
        ASSERT_TRUE(png.ok()) << pngOf(size);
        EXPECT_EQ(png.width(), size);
        EXPECT_EQ(png.height(), size);
        for (int corner : {0, size - 1}) {
            EXPECT_EQ(png.at(corner, 0).a, 0) << size;
            EXPECT_EQ(png.at(corner, size - 1).a, 0) << size;
        }
        EXPECT_EQ(png.at(size / 2, size / 2).a, 255) << size;
    }
}

TEST(Icons, EverySizeShowsTheSameDesignWithTheTomatoInFront)
{
    const double fullCoverage = Png(pngOf(256)).coverage();
    EXPECT_GT(fullCoverage, 0.7);
    for (int size : iconSizes) {
        const Png png(pngOf(size));
        ASSERT_TRUE(png.ok());
        EXPECT_NEAR(png.coverage(), fullCoverage, 0.03) << size;
        // The middle of the tomato's body, wherever the size puts it.
        const Pixel p = png.at(size * 120 / 256, size * 168 / 256);
        EXPECT_GT(p.r, p.g + 80) << size;
        EXPECT_GT(p.r, p.b + 80) << size;
    }
}

TEST(Icons, ScalableIconIsVectorArtOfTheDesignSize)
{
    std::ifstream in(themeDir() / "scalable" / "apps" / "plumbrix.svg");
    std::stringstream text;
    text << in.rdbuf();
    const std::string svg = text.str();
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("width=\"256"), std::string::npos);
    EXPECT_NE(svg.find("<path"), std::string::npos);
    // An embedded raster would blur at the sizes the vector form exists for.
    EXPECT_EQ(svg.find("<image"), std::string::npos);
}

TEST(Icons, WriterReportsAFolderItCannotMake)
{
    char pattern[] = "/tmp/plumbrix-icons-XXXXXX";
    const fs::path dir = mkdtemp(pattern);
    std::ofstream(dir / "64x64") << "in the way";
    std::ostringstream log;
    EXPECT_FALSE(writeIcons(dir.string(), "plumbrix", log));
    EXPECT_NE(log.str().find("64x64"), std::string::npos) << log.str();
    // The other sizes are still written.
    EXPECT_TRUE(fs::exists(dir / "48x48" / "apps" / "plumbrix.png"));
    EXPECT_TRUE(fs::exists(dir / "scalable" / "apps" / "plumbrix.svg"));
    fs::remove_all(dir);
}
