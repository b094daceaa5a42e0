; The Atari view: a program for an Atari 800, 800XL or 130XE that shows the set's 64 objects the
; way a game in ANTIC mode 4 shows them. Assembled with ca65 and linked by ld65 (podglad.cfg) into
; an Atari executable:
;
;   $3000-$31FF  the system check, loaded and run first (INITAD), see "Before anything loads"
;   $2000-$27FF  characters: set 0 ($2000), then set 1 ($2400), 8 bytes a character, top row
;                first; the .FN2 export byte for byte
;   $2800-$29FF  object codes: the .KODY export byte for byte, see "Building the screen"
;   $2A00-$2A04  colour numbers of PF0, PF1, PF2, PF3 and the background: the .KOLORY export
;   $2B00-$2EFF  the display list, first, at the start of a page, then the code (RUNAD)
;   $2F00        variables, not loaded
;   $3000-$31FF  the screen, built by the program at start over the check, not loaded
;
; The editor fills the three segments of the set's data (2048, 512 and 5 bytes, zero in the
; template) and leaves the rest of the file as it is. Nothing is loaded below $2000, where DOS
; keeps its own code and buffers; a DOS that needs more says so through MEMLO, which the check
; reads. The picture stays until a key is pressed, which puts back what the program changed
; and returns to DOS (DOSVEC). Names of the OS and the hardware are those of cc65's atari.inc.
;
; How mode 4 looks: every byte of screen memory is a character code. Bits 0-6 pick one of the
; 128 characters of the set that CHBASE points at, 8 bytes each, one byte for each scan line.
; Each byte holds four pixels of two bits, the left one in bits 7-6: 00 shows the background,
; 01 PF0, 10 PF1, 11 PF2, or PF3 when bit 7 of the code is set. Codes go to the screen as they
; are, bit 7 included, so ANTIC itself picks PF2 or PF3.
;
; An object is two characters wide and two mode lines high: its top characters come from set 0,
; its bottom ones from set 1. ANTIC takes one CHBASE for the whole line, so a display-list
; interrupt (DLI) sets CHBASE before every mode line.

        .include "atari.inc"

NMI_VBI   = $40         ; NMIEN: the vertical blank interrupt, which the OS needs
NMI_DLI   = $80         ; NMIEN: display-list interrupts
DMA_WASKI = $21         ; DMACTL: display list fetch on, narrow playfield (32 bytes a line)
PUSTE     = 7           ; blank lines of 8 scan lines above the picture
IOCB_E    = $00         ; IOCB 0: the screen editor, open whatever runs
STRONA2   = $0200       ; page 2, where the OS keeps the shadows

        .export start, sprawdz
        .export znaki0, kody, kolory    ; for the editor's tests, in the linker's list of labels

; ---------------------------------------------------------------------------------------------
; Before anything loads: the check, loaded where the screen will be, above any DOS, and run by
; the loader at once (INITAD). A DOS whose MEMLO is above the program's first byte would be
; overwritten by the characters while it still loads them; then the check says so and returns
; to DOS instead. It leaves the loader's flags as it found them.

        .segment "SPRAWDZ"
sprawdz:
        php
        cld
        lda #<znaki0                    ; carry clear: MEMLO above the program's start
        cmp MEMLO
        lda #>znaki0
        sbc MEMLO+1
        bcc za_nisko
        plp
        rts
za_nisko:
        ldx #adres_memlo - komunikat
        lda MEMLO+1
        jsr szesnastkowo
        lda MEMLO
        jsr szesnastkowo
        ldx #IOCB_E
        lda #PUTREC
        sta ICCOM,x
        lda #<komunikat
        sta ICBAL,x
        lda #>komunikat
        sta ICBAH,x
        lda #koniec - komunikat + 1     ; more than the record: CIO ends it at the EOL, not with
        sta ICBLL,x                     ; an EOL of its own once the length runs out
        lda #0
        sta ICBLH,x
        jsr CIOV
        jmp (DOSVEC)

; A in two hexadecimal digits at komunikat + X; X two further.
szesnastkowo:
        pha
        lsr a
        lsr a
        lsr a
        lsr a
        jsr cyfra
        pla
        and #$0F
cyfra:  cmp #10
        bcc :+
        adc #'A' - '0' - 10 - 1         ; the carry is set
:       adc #'0'
        sta komunikat,x
        inx
        rts

komunikat:
        .byte "Program wczytuje sie od $2000, a DOS zostawia wolna pamiec od $"
adres_memlo:
        .byte "0000 (MEMLO): zmniejsz liczbe jego buforow.", EOL
koniec:

; ---------------------------------------------------------------------------------------------
; The set's data, filled in by the editor. The character sets must start on a 1 KB boundary:
; in mode 4 CHBASE gives the set's address in 1 KB steps.

        .segment "ZNAKI"
znaki0: .res 1024               ; set 0: the top halves of the objects
znaki1: .res 1024               ; set 1: the bottom halves
        .segment "KODY"
kody:   .res 512
        .segment "KOLORY"
kolory: .res 5

; ---------------------------------------------------------------------------------------------
; The display list. ANTIC reads it every frame from here to the jump at its end and draws from
; scan line 8. An ordinary OS screen is 24 blank lines and then 192 lines, 32..223, which every
; PAL and NTSC set shows; 56 blank lines put the 128 scan lines of the picture in their middle,
; at lines 64..191. Below the picture ANTIC draws nothing until the jump, so the rest of the
; screen is the background colour. The list must not cross a 1 KB boundary (ANTIC's list
; counter only counts within 1 KB); the assertion below keeps it so.

        .segment "PROGRAM"
lista:  .res PUSTE - 1, DL_BLK8
        .byte DL_BLK8 | DL_DLI                  ; on its last line: the set of the first mode line
        .byte DL_CHR40x8x4 | DL_LMS | DL_DLI, <ekran, >ekran
        .res 14, DL_CHR40x8x4 | DL_DLI          ; every mode line but the last: the next line's set
        .byte DL_CHR40x8x4
        .byte DL_JVB, <lista, >lista
lista_koniec:

; ---------------------------------------------------------------------------------------------
; The DLI: 16 of them a frame, on the last scan line of the blank lines and of each of the first
; 15 mode lines. The next mode line takes set 0 when it is the top line of an object row (even
; lines), set 1 when it is the bottom one (odd lines). VCOUNT, the scan line over two, says which:
; on the last scan line of mode line k (k = -1 for the blank lines) it is 4 * k + 35, so its
; bit 2 is set for odd k, when the next line is even; the two sets' pages differ in that bit
; alone. The routine waits with WSYNC for the end of the scan line and sets CHBASE in the
; horizontal blank, before ANTIC fetches the next line's first character. It keeps nothing from
; one interrupt to the next: a DLI lost, or run on another display list, spoils that one frame
; at most. It keeps A for the code it interrupts, which waits on CH in A.

przerwanie:
        pha
        lda VCOUNT
        and #>znaki0 ^ >znaki1
        eor #>znaki1
        sta WSYNC
        sta CHBASE
        pla
        rti

; ---------------------------------------------------------------------------------------------
; The OS shadows the program changes, all in page 2, saved at start and put back on the way
; out: first those set from wartosci, then the five colours, set from the set's numbers.

cienie: .byte <SDMCTL, <SDLSTL, <(SDLSTL + 1), <CHBAS, <CHACT, <GPRIOR
        .byte <COLOR0, <(COLOR0 + 1), <(COLOR0 + 2), <(COLOR0 + 3), <(COLOR0 + 4)
CIENIE = * - cienie
wartosci:
        .byte DMA_WASKI, <lista, >lista, >znaki0
        .byte 0                         ; CHACT: characters upright, not reflected
        .byte 0                         ; GPRIOR: ordinary priorities, no GTIA modes

; ---------------------------------------------------------------------------------------------
; The start. A DOS may hand over with the I flag set (the OS would skip its shadow copies in
; the vertical blank), the D flag set (ADC would count in decimal) and NMIEN at 0 (the frame
; counter would not move): the program sets all three before it relies on them.

start:  cld
        cli
        lda #NMI_VBI
        sta NMIEN

; Building the screen. The code table is stored position by position: 64 codes of position 0
; (top left) for objects 0..63, then 64 of position 1 (bottom left), 64 of position 2 (top
; right), 64 of position 3 (bottom right); then the same 256 codes with bit 7 flipped, which
; show PF3 where the first ones show PF2 and the other way round.
;
; The screen is 16 mode lines of 32 bytes: rows of 16 objects, object 16 * row + column at
; bytes 2 * column and 2 * column + 1 of the row's two lines. Rows 0..3 (lines 0..7) show
; objects 0..63 with the first table, rows 4..7 (lines 8..15, 256 bytes further) the same
; objects with the second. An object's top left byte is at 64 * row + 2 * column, which for
; object i = 16 * row + column is 2 * (i + (i & $F0)), always below 256.

        ldx #63
budowa: txa
        and #$F0
        sta pomoc
        txa
        clc
        adc pomoc
        asl a
        tay                             ; Y: the object's top left byte within the first rows
        lda kody,x                      ; position 0, top left
        sta ekran,y
        lda kody+64,x                   ; position 1, bottom left
        sta ekran+32,y
        lda kody+128,x                  ; position 2, top right
        sta ekran+1,y
        lda kody+192,x                  ; position 3, bottom right
        sta ekran+33,y
        lda kody+256,x                  ; the same four from the inverse table
        sta ekran+256,y
        lda kody+256+64,x
        sta ekran+256+32,y
        lda kody+256+128,x
        sta ekran+256+1,y
        lda kody+256+192,x
        sta ekran+256+33,y
        dex
        bpl budowa

; No players or missiles: their DMA stays off and their pixels are cleared, whatever ran
; before left in them.
        lda #0
        ldx #GRAFM - GRAFP0
gracze: sta GRAFP0,x
        dex
        bpl gracze

        ldx #CIENIE - 1
zachowaj:
        ldy cienie,x
        lda STRONA2,y
        sta zachowane,x
        dex
        bpl zachowaj

; Everything the OS copies in the vertical blank is set just after one, so that no frame sees
; half of a new display list address.
        jsr ramka
        ldx #CIENIE - 1
ustaw:  ldy cienie,x
        lda wartosci,x
        cpx #CIENIE - 5
        bcc :+
        lda kolory - (CIENIE - 5),x
:       sta STRONA2,y
        dex
        bpl ustaw
; DLIs on at once, the vector first: the list still shown until the next vertical blank (DOS's)
; may have DLI bits, which then run this routine for the rest of one frame, and no harm done.
        lda #<przerwanie
        sta VDSLST
        lda #>przerwanie
        sta VDSLST+1
        lda #NMI_VBI | NMI_DLI
        sta NMIEN

; The picture stays until a key is pressed; one pressed before it does not count. The OS's
; vertical blank keeps running; attract mode, which would dim and cycle the colours after some
; minutes without a key, is held off.
        lda #KEY_NONE
        sta CH
petla:  lda #0
        sta ATRACT
        lda CH
        cmp #KEY_NONE
        beq petla

; The way back: the key taken, DLIs off, the shadows as they were, then DOS.
        lda #KEY_NONE
        sta CH
        lda #NMI_VBI
        sta NMIEN
        jsr ramka
        ldx #CIENIE - 1
przywroc:
        ldy cienie,x
        lda zachowane,x
        sta STRONA2,y
        dex
        bpl przywroc
        jmp (DOSVEC)

; Returns just after a vertical blank.
ramka:  lda RTCLOK+2
:       cmp RTCLOK+2
        beq :-
        rts

; ---------------------------------------------------------------------------------------------
; Variables and the screen: memory that is not loaded, set up by the program at start. The
; screen's 512 bytes must not cross a 4 KB boundary, where ANTIC's address counter wraps.

        .segment "ZMIENNE"
zachowane: .res CIENIE                  ; the shadows as the program found them
pomoc:  .res 1
        .segment "EKRAN"
ekran:  .res 512

; The rules above, checked when the program is linked.
        .assert znaki0 = $2000, lderror, "nothing may be loaded below $2000, as the check's message says"
        .assert (znaki0 & $3FF) = 0 && (znaki1 & $3FF) = 0, lderror, "sets on 1 KB boundaries"
        .assert (>znaki0 ^ >znaki1) = 4, lderror, "the sets' pages must differ in bit 2 alone"
        .assert (PUSTE & 1) = 1, lderror, "VCOUNT's bit 2 tells odd mode lines only after odd blank lines"
        .assert (lista & $FC00) = ((lista_koniec - 1) & $FC00), lderror, "display list crosses 1 KB"
        .assert >SDMCTL = >STRONA2 && >CHBAS = >STRONA2, lderror, "the shadows in page 2, from SDMCTL to CHBAS"
        .assert (ekran & $F000) = ((ekran + 511) & $F000), lderror, "screen crosses 4 KB"
        .assert koniec - komunikat <= 3 * 38, lderror, "the message must fit one line of the screen editor"
