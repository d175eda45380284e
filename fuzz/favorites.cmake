# Loading Favorite.dat and the picture paths in the thumbnails' comments.
tessaly_fuzz_target(FavoritesFuzz SOURCES FavoritesFuzz.cpp LIBRARIES tessaly_picturedialog)
