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
    add("BkGrnd.jpg", Format::jpeg, std::move(game.background));
    add("Figures.bmp", Format::bmp24, renderFigures());
    add("Font.bmp", Format::bmp24, renderFont());
    add("Number.jpg", Format::jpeg, renderSmallDigits());
    add("game over.jpg", Format::jpeg, renderBanners());
    add("EasyFood.jpg", Format::jpeg, renderEasyFood());
    add("Cursor.bmp", Format::bmp8, renderCursor());
    add("GameGo.jpg", Format::jpeg, renderTitle());
    add("MenDown.bmp", Format::bmp8, std::move(game.blink));
    add("skovoroda.bmp", Format::bmp24, std::move(game.pan));
    add("level.jpg", Format::jpeg, renderLargeDigits());
    add("mixer.bmp", Format::bmp24, std::move(game.mixer));
    add("HighScores.jpg", Format::jpeg, renderHighScores());
    add("WindowHS.JPG", Format::jpeg, renderNamePanel());
    add("Menu.jpg", Format::jpeg, renderMenuBackground());
    add("MenuImage.jpg", Format::jpeg, renderMenuImages());
    add("MenuTxt.bmp", Format::bmp24, renderMenuText());
    add("ActiveOption.bmp", Format::bmp24, renderActiveOption());
    add("NewGame.jpg", Format::jpeg, renderSetUpPanel());
    add("Options.jpg", Format::jpeg, renderOptionsPanel());
    return out;
}

std::vector<uint8_t> encodePicture(const Picture& p)
{
    switch (p.format) {
    case Format::bmp24:
        return encodeBmp24(p.image);
    case Format::bmp8:
        return encodeBmp8(p.image);
    case Format::jpeg:
    default:
        // Keyed pictures and the level digits (opaque cells that must melt into the
        // caption under them) get the top quality; the rest are large and soft.
        return encodeJpeg(p.image, {p.image.keyed || p.file == "level.jpg" ? 100 : 94});
    }
}
