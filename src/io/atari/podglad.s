; The Atari view: a program for an Atari 800XL/130XE that shows the set's 64 objects the way a
; game in ANTIC mode 4 shows them. Assembled with ca65 and linked by ld65 (podglad.cfg) into an
; Atari executable whose first three segments hold the set's data, zero in the template:
;
;   $2000-$27FF  characters: set 0 ($2000), then set 1 ($2400), 8 bytes a character, top row
;                first; the .FN2 export byte for byte
;   $2800-$29FF  object codes: the .KODY export byte for byte, see "Building the screen"
;   $2A00-$2A04  colour numbers of PF0, PF1, PF2, PF3 and the background: the .KOLORY export
;
; and then its own parts:
;
;   $2B00-$2EFF  the display list, first, at the start of a page, then the code
;   $2F00        variables, not loaded
;   $3000-$31FF  the screen, built by the program at start, not loaded
;
; The editor fills those three segments and leaves the rest of the file as it is. Nothing here
; is loaded below $2000, where DOS keeps its own code and buffers.
;
; How mode 4 looks: every byte of screen memory is a character code. Bits 0-6 pick one of the
; 128 characters of the set that CHBASE points at, 8 bytes each, one byte for each scan line.
; Each byte holds four pixels of two bits, the left one in bits 7-6: 00 shows the background,
; 01 PF0, 10 PF1, 11 PF2, or PF3 when bit 7 of the code is set. Codes go to the screen as they
; are, bit 7 included, so ANTIC itself picks PF2 or PF3.
;
; An object is two characters wide and two mode lines high: its top characters come from set 0,
; its bottom ones from set 1. ANTIC takes one CHBASE for the whole line, so a display-list
; interrupt (DLI) switches CHBASE between the two sets before every mode line.

; ANTIC and GTIA registers
WSYNC   = $D40A         ; a write halts the CPU until the end of the current scan line
NMIEN   = $D40E         ; which non-maskable interrupts are on: $40 vertical blank, $80 DLI
CHBASE  = $D409         ; page of the character set, a multiple of 4 in modes 4 and 5
GRAFP0  = $D00D         ; GRAFP0..GRAFP3 and GRAFM: the players' and missiles' pixels

; The operating system's variables. In the vertical blank the OS copies the shadows into the
; hardware registers, so whatever is written here holds on every frame.
RTCLOK3 = $14           ; the frame counter's low byte, one up in every vertical blank
ATRACT  = $4D           ; attract mode: past $7F the OS starts cycling the colours
VDSLST  = $0200         ; address of the DLI routine
SDMCTL  = $022F         ; shadow of DMACTL: playfield width and what ANTIC fetches
SDLSTL  = $0230         ; shadow of DLISTL/DLISTH: address of the display list
GPRIOR  = $026F         ; shadow of PRIOR: priorities and GTIA's special modes
COLOR0  = $02C4         ; COLOR0..COLOR4: PF0, PF1, PF2, PF3, background (the .KOLORY order)
CHACT   = $02F3         ; shadow of CHACTL
CHBAS   = $02F4         ; shadow of CHBASE
VVBLKI  = $0222         ; the "immediate" vertical blank vector, run on every frame
SETVBV  = $E45C         ; the OS's entry point to set a vertical blank vector

DMA_WASKI = $21         ; display list fetch on, narrow playfield (32 bytes a line), no players

; Display list instructions
PUSTE8  = $70           ; 8 blank scan lines in the background colour
TRYB4   = $04           ; one mode 4 line: 8 scan lines, 32 characters on the narrow playfield
LMS     = $40           ; with a mode line: the next two bytes are the screen memory address
DLI     = $80           ; an interrupt at the start of the instruction's last scan line
JVB     = $41           ; jump to the address that follows and wait for the vertical blank

        .export start
        .export znaki0, kody, kolory    ; for the editor's tests, in the linker's list of labels

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
lista:  .byte PUSTE8, PUSTE8, PUSTE8, PUSTE8, PUSTE8, PUSTE8
        .byte PUSTE8 | DLI              ; on its last line: set 0 for the first mode line
        .byte TRYB4 | LMS | DLI, <ekran, >ekran
        .res 14, TRYB4 | DLI            ; every mode line but the last: the next line's set
        .byte TRYB4
        .byte JVB, <lista, >lista
lista_koniec:

; ---------------------------------------------------------------------------------------------
; The DLI: 16 of them a frame, one on the last blank line and one on each of the first 15 mode
; lines. Each loads the page of the set for the next mode line, waits with WSYNC for the end of
; the current scan line and sets CHBASE in the horizontal blank, before ANTIC fetches the next
; line's first character. Then it turns the page to the other set: set 0 for the top line of an
; object row (even mode lines), set 1 for the bottom one (odd lines). The vertical blank routine
; below starts every frame at set 0, so that a DLI lost in one frame, should one ever be, cannot
; swap the sets for good.

przerwanie:
        pha
        lda nastepny
        sta WSYNC
        sta CHBASE
        eor #(>znaki0) ^ (>znaki1)
        sta nastepny
        pla
        rti

; Runs in every vertical blank, then whatever the vector held before: the OS's own routine,
; which copies the shadows, or a DOS's that runs before it.
przerwa:
        lda #>znaki0
        sta nastepny
        jmp (poprzedni)

; ---------------------------------------------------------------------------------------------
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

start:
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

; Colours: the five numbers go to the OS's shadows, which the OS copies into GTIA every frame.
        ldx #4
kolor:  lda kolory,x
        sta COLOR0,x
        dex
        bpl kolor

; No players or missiles: their DMA stays off and their pixels are cleared, whatever ran
; before left in them.
        lda #0
        ldx #4
gracze: sta GRAFP0,x
        dex
        bpl gracze
        sta GPRIOR                      ; ordinary priorities, no GTIA modes
        sta CHACT                       ; characters upright (bits 0-1 only matter in modes 2-3)

; Everything the OS copies in the vertical blank is set just after one, so that no frame sees
; half of a new display list address.
        lda RTCLOK3
czekaj: cmp RTCLOK3
        beq czekaj
        lda #<lista
        sta SDLSTL
        lda #>lista
        sta SDLSTL+1
        lda #DMA_WASKI
        sta SDMCTL
        lda #>znaki0
        sta CHBAS
        sta nastepny
        lda #<przerwanie
        sta VDSLST
        lda #>przerwanie
        sta VDSLST+1
        lda VVBLKI
        sta poprzedni
        lda VVBLKI+1
        sta poprzedni+1
        lda #6                          ; the immediate vertical blank vector
        ldy #<przerwa
        ldx #>przerwa
        jsr SETVBV
; DLIs on only once the vertical blank has handed ANTIC the new display list: the list shown
; until then (DOS's, say) may have DLI bits of its own, which must not run this routine.
        lda RTCLOK3
czekaj2: cmp RTCLOK3
        beq czekaj2
        lda #$C0                        ; DLI and vertical blank interrupts on
        sta NMIEN

; The picture stays until reset. The OS's vertical blank keeps running; attract mode, which
; would dim and cycle the colours after some minutes without a key, is held off.
petla:  lda #0
        sta ATRACT
        beq petla

; ---------------------------------------------------------------------------------------------
; Variables and the screen: memory that is not loaded, set up by the program at start. The
; screen's 512 bytes must not cross a 4 KB boundary, where ANTIC's address counter wraps.

        .segment "ZMIENNE"
poprzedni: .res 2                       ; the vertical blank vector found at start
nastepny: .res 1                        ; page of the set for the next mode line
pomoc:  .res 1
        .segment "EKRAN"
ekran:  .res 512

; The rules above, checked when the program is linked.
        .assert znaki0 >= $2000, lderror, "nothing may be loaded below $2000"
        .assert (znaki0 & $3FF) = 0 && (znaki1 & $3FF) = 0, lderror, "sets on 1 KB boundaries"
        .assert (lista & $FC00) = ((lista_koniec - 1) & $FC00), lderror, "display list crosses 1 KB"
        .assert (ekran & $F000) = ((ekran + 511) & $F000), lderror, "screen crosses 4 KB"
        ; JMP (address) takes the high byte from the same page: not from $xxFF.
        .assert (poprzedni & $FF) <> $FF, lderror, "vector on the last byte of a page"
