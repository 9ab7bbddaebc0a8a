// The built-in background's pixels as the generator wrote them, included byte for byte by the
// assembler, aligned for 32-bit pixel access.
#ifndef LLK_BACKGROUND_PIXELS
#error "LLK_BACKGROUND_PIXELS must name the file of background pixels"
#endif

asm(".section .rodata\n"
    ".global llk_background_pixels\n"
    ".type llk_background_pixels, @object\n"
    ".balign 64\n"
    "llk_background_pixels:\n"
    ".incbin \"" LLK_BACKGROUND_PIXELS "\"\n"
    ".global llk_background_pixels_end\n"
    "llk_background_pixels_end:\n"
    ".size llk_background_pixels, . - llk_background_pixels\n"
    ".previous\n");
