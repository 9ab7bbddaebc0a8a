# Helpers that find the game's window in a screenshot by its time bar and check what it shows.
# Sourced, not run. Needs ImageMagick.

# Sets WP_BOX_W, WP_BOX_H, WP_BOX_X and WP_BOX_Y to the bounding box of the pixels of exactly the
# colour $2 in screenshot $1; fails when there are none.
wp_colour_box() {
  local box
  box=$(convert "$1" -alpha off -fill white -opaque "$2" -fill black +opaque white \
    -trim -format '%w %h %X %Y' info: 2>/dev/null) || return 1
  read -r WP_BOX_W WP_BOX_H WP_BOX_X WP_BOX_Y <<<"$box"
  WP_BOX_X=${WP_BOX_X#+}
  WP_BOX_Y=${WP_BOX_Y#+}
  # An image without the colour trims to a single pixel outside it.
  [ "$WP_BOX_X" != -1 ]
}

# The time bar's red fill (#FF0000) is the only pure red on a fresh window: sets WP_BAR_X,
# WP_BAR_Y, WP_BAR_W and WP_BAR_H to its bounding box in screenshot $1 and succeeds when it is
# the size of a full time bar.
wp_find_time_bar() {
  wp_colour_box "$1" '#FF0000' || return 1
  WP_BAR_W=$WP_BOX_W WP_BAR_H=$WP_BOX_H WP_BAR_X=$WP_BOX_X WP_BAR_Y=$WP_BOX_Y
  # 6255 x 255 twips less the outline: about 415 x 15 pixels.
  [ "$WP_BAR_W" -ge 405 ] && [ "$WP_BAR_W" -le 420 ] && [ "$WP_BAR_H" -ge 12 ] && [ "$WP_BAR_H" -le 17 ]
}

# Prints the mean and the standard deviation (0 to 1) of the grey levels in region $2 (WxH+X+Y)
# of screenshot $1.
wp_region_stats() {
  convert "$1" -crop "$2" +repage -colorspace Gray -format '%[fx:mean] %[fx:standard_deviation]\n' info:
}

# Checks the main window found by wp_find_time_bar in screenshot $1: the black header band around
# left of the status texts, the background picture under it and the menu bar above it. Prints what is wrong.
wp_check_main_window() {
  local shot=$1
  # The bar's fill starts one pixel inside its outline at 6008, 240 twips (400, 16 pixels).
  local left=$((WP_BAR_X - 401)) top=$((WP_BAR_Y - 17))
  local mean sd
  read -r mean sd <<<"$(wp_region_stats "$shot" "110x38+$((left + 1))+$((top + 1))")"
  if ! awk -v m="$mean" 'BEGIN { exit !(m < 0.02) }'; then
    echo "the header band is not black (mean grey $mean)"
    return 1
  fi
  read -r mean sd <<<"$(wp_region_stats "$shot" "990x500+$((left + 2))+$((top + 60))")"
  if ! awk -v m="$mean" -v s="$sd" 'BEGIN { exit !(m > 0.1 && s > 0.02) }'; then
    echo "no background picture under the header (mean grey $mean, deviation $sd)"
    return 1
  fi
  read -r mean sd <<<"$(wp_region_stats "$shot" "300x16+$((left + 2))+$((top - 18))")"
  if ! awk -v m="$mean" -v s="$sd" 'BEGIN { exit !(m > 0.5 && s > 0.05) }'; then
    echo "no menu bar with captions above the header (mean grey $mean, deviation $sd)"
    return 1
  fi
}
