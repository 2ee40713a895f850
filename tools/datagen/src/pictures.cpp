// The game's picture list in loading order, and encoding each in its file format.
#include "pictures.h"

#include "image_files.h"

std::vector<Picture> renderPictures()
{
    GameArt game = renderGameArt();
    std::vector<Picture> out;
    auto add = [&](const char* file, Format format, Raster image) {
        out.push_back({file, format, std::move(image)});
    };
    add("BkGrnd.jpg", Format::Jpeg, std::move(game.background));
    add("Figures.bmp", Format::Bmp24, renderFigures());
    add("Font.bmp", Format::Bmp24, renderFont());
    add("Number.jpg", Format::Jpeg, renderSmallDigits());
    add("game over.jpg", Format::Jpeg, renderBanners());
    add("EasyFood.jpg", Format::Jpeg, renderEasyFood());
    add("Cursor.bmp", Format::Bmp8, renderCursor());
    add("GameGo.jpg", Format::Jpeg, renderTitle());
    add("MenDown.bmp", Format::Bmp8, std::move(game.blink));
    add("skovoroda.bmp", Format::Bmp24, std::move(game.pan));
    add("level.jpg", Format::Jpeg, renderLargeDigits());
    add("mixer.bmp", Format::Bmp24, std::move(game.mixer));
    add("HighScores.jpg", Format::Jpeg, renderHighScores());
    add("WindowHS.JPG", Format::Jpeg, renderNamePanel());
    add("Menu.jpg", Format::Jpeg, renderMenuBackground());
    add("MenuImage.jpg", Format::Jpeg, renderMenuImages());
    add("MenuTxt.bmp", Format::Bmp24, renderMenuText());
    add("ActiveOption.bmp", Format::Bmp24, renderActiveOption());
    add("NewGame.jpg", Format::Jpeg, renderSetUpPanel());
    add("Options.jpg", Format::Jpeg, renderOptionsPanel());
    return out;
}

std::vector<uint8_t> encodePicture(const Picture& p)
{
    switch (p.format) {
    case Format::Bmp24:
        return encodeBmp24(p.image);
    case Format::Bmp8:
        return encodeBmp8(p.image);
    case Format::Jpeg:
    default:
        // Keyed pictures and the level digits (opaque cells that must melt into the
        // caption under them) get the top quality; the rest are large and soft.
        return encodeJpeg(p.image, {p.image.keyed || p.file == "level.jpg" ? 100 : 94});
    }
}
