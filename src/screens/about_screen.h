// frmAbout, the about screen: the product's name, version, copyright and
// contact data in its own movie.
#pragma once
#include "screens/movie_screen.h"

#include <string>

namespace examsim {

class frmAbout : public MovieScreen {
public:
    explicit frmAbout(AppContext& ctx);

    // Loads the movie and sends it the product's texts.
    void load();
    const std::string& caption() const { return caption_; }

private:
    std::string caption_;
    std::string featureLink_;
    std::string supportAddress_;
};

}  // namespace examsim
