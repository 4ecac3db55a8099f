#!/usr/bin/perl
# mergestacksize.pl -- SAMPLE STAND-IN for the workbench's own merge script.
#
# The workbench ships its own mergestacksize.pl; this one exists so that the
# stack-size viewer can be run and demonstrated without the workbench.  It
# accepts exactly the arguments the viewer passes and reads the simple input
# format described in README.md beside it.
#
#   mergestacksize.pl [-silent] FILE.tsf... FILE.tzf... -report="NAME"
#       [-qxz_template="FILE"] [-qxz_extstksize="FILE"] [-entrypoints=A,B]
#       [-max=N] [-security=N]
#
# Writes the HTML report NAME, progress on standard output (only the last
# line with -silent) and problems on standard error.  Exit status 0 when the
# report was written, 1 when an input could not be read, 2 on bad arguments.
use strict;
use warnings;

$| = 1;    # progress lines reach the viewer as they are written

my %frame;       # function => its own frame size in bytes
my %calls;       # function => [callees]
my %defined_in;  # function => "file:line" of its definition
my @zone_entries;

sub fail {
    my ($status, $message) = @_;
    print STDERR "mergestacksize.pl: $message\n";
    exit $status;
}

# The viewer passes quoted values with their quote characters.
sub unquote {
    my ($text) = @_;
    $text =~ s/^"(.*)"$/$1/s;
    return $text;
}

sub parse_arguments {
    my %options = (silent => 0, inputs => [], max => 0, security => 0);
    for my $argument (@_) {
        if ($argument eq '-silent') { $options{silent} = 1 }
        elsif ($argument =~ /^-report=(.*)$/s) { $options{report} = unquote($1) }
        elsif ($argument =~ /^-qxz_template=(.*)$/s) { $options{template} = unquote($1) }
        elsif ($argument =~ /^-qxz_extstksize=(.*)$/s) { $options{externals} = unquote($1) }
        elsif ($argument =~ /^-entrypoints=(.*)$/s) { $options{entries} = [grep { length } split /[,;\s]+/, $1] }
        elsif ($argument =~ /^-max=(-?\d+)$/) { $options{max} = $1 }
        elsif ($argument =~ /^-security=(-?\d+)$/) { $options{security} = $1 }
        elsif ($argument =~ /^-/) { fail(2, "unknown argument '$argument'") }
        elsif ($argument =~ /\.(tsf|tzf)$/i) { push @{$options{inputs}}, $argument }
        else { fail(2, "'$argument' is neither a .tsf nor a .tzf file") }
    }
    fail(2, 'no -report="NAME" given') unless defined $options{report};
    fail(2, 'no .tsf and .tzf files given') unless @{$options{inputs}};
    return \%options;
}

sub define_function {
    my ($name, $size, $callees, $where) = @_;
    print STDERR "$where: $name already defined at $defined_in{$name}; keeping the larger frame\n"
        if exists $defined_in{$name};
    $frame{$name} = $size if !exists $frame{$name} || $size > $frame{$name};
    push @{$calls{$name}}, @$callees;
    $defined_in{$name} //= $where;
}

# One line of an input file: "NAME FRAME CALLEE...", or in a .tzf also
# "entry NAME" and "extern NAME FRAME".
sub read_line {
    my ($line, $where, $is_zone) = @_;
    my @words = split ' ', $line;
    if ($is_zone && $words[0] eq 'entry' && @words == 2) { push @zone_entries, $words[1] }
    elsif ($is_zone && $words[0] eq 'extern' && @words == 3 && $words[2] =~ /^\d+$/) {
        define_function($words[1], $words[2], [], $where);
    }
    elsif (@words >= 2 && $words[1] =~ /^\d+$/) { define_function($words[0], $words[1], [@words[2 .. $#words]], $where) }
    else { print STDERR "$where: cannot read '$line'; line skipped\n" }
}

sub read_file {
    my ($file, $is_zone) = @_;
    open(my $in, '<', $file) or fail(1, "cannot read $file: $!");
    while (my $line = <$in>) {
        $line =~ s/#.*//s;
        $line =~ s/\s+$//;
        next unless length $line;
        read_line($line, "$file:$.", $is_zone);
    }
    close($in);
}

my (%worst, %visiting, %reported_unknown);

# Worst-case stack depth of a call to $name and its deepest call path; the
# depth is undef when the calls are recursive (no bound).
sub worst_case {
    my ($name) = @_;
    return @{$worst{$name}} if $worst{$name};
    return (undef, [$name]) if $visiting{$name};
    unless (exists $frame{$name}) {
        print STDERR "unknown function $name: counted as 0 bytes\n" unless $reported_unknown{$name}++;
        return (0, ["$name (unknown)"]);
    }
    $visiting{$name} = 1;
    my ($deepest, $path) = (0, []);
    for my $callee (@{$calls{$name}}) {
        my ($depth, $callee_path) = worst_case($callee);
        ($deepest, $path) = ($depth, $callee_path) if !defined $depth || $depth > $deepest;
        last unless defined $deepest;
    }
    delete $visiting{$name};
    my $total = defined $deepest ? $frame{$name} + $deepest : undef;
    $worst{$name} = [$total, [$name, @$path]];
    return @{$worst{$name}};
}

sub status_of {
    my ($entry, $depth, $options) = @_;
    return ('unknown', 'unknown function') unless exists $frame{$entry};
    return ('recursive', 'unbounded: recursive calls') unless defined $depth;
    return ('over-max', 'above the maximum') if $options->{max} && $depth > $options->{max};
    return ('over-security', 'above the security limit') if $options->{security} && $depth > $options->{security};
    return ('ok', 'ok');
}

sub html { my ($text) = @_; $text =~ s/&/&amp;/g; $text =~ s/</&lt;/g; $text =~ s/>/&gt;/g; return $text }

sub table_rows {
    my ($options, $entries) = @_;
    my ($rows, %count) = ('');
    for my $entry (@$entries) {
        my ($depth, $path) = worst_case($entry);
        my ($class, $status) = status_of($entry, $depth, $options);
        $count{$class}++;
        my $shown = defined $depth ? $depth : '&infin;';
        print "entry $entry: ", (defined $depth ? "$depth bytes" : 'unbounded'), ", $status\n" unless $options->{silent};
        $rows .= sprintf("<tr class=\"%s\"><td>%s</td><td class=\"bytes\">%s</td><td>%s</td><td>%s</td></tr>\n",
                         $class, html($entry), $shown, html(join(' > ', @$path)), $status);
    }
    return ($rows, \%count);
}

sub template_text {
    my ($options) = @_;
    return join('', <DATA>) unless defined $options->{template} && length $options->{template};
    open(my $in, '<', $options->{template}) or fail(1, "cannot read template $options->{template}: $!");
    local $/;
    return <$in>;
}

sub write_report {
    my ($options, $entries) = @_;
    my ($rows, $count) = table_rows($options, $entries);
    my $limits = sprintf('maximum %s, security limit %s',
                         $options->{max} || 'none', $options->{security} || 'none');
    my $page = template_text($options);
    $page =~ s/%LIMITS%/$limits/g;
    $page =~ s/%TABLE%/$rows/g;
    open(my $out, '>', $options->{report}) or fail(1, "cannot write $options->{report}: $!");
    print $out $page;
    close($out) or fail(1, "cannot write $options->{report}: $!");
    printf "wrote %s: %d entry points, %d above the security limit, %d above the maximum, %d unbounded\n",
           $options->{report}, scalar @$entries, $count->{'over-security'} // 0, $count->{'over-max'} // 0,
           $count->{recursive} // 0;
}

my $options = parse_arguments(@ARGV);
for my $file (@{$options->{inputs}}) {
    print "reading $file\n" unless $options->{silent};
    read_file($file, $file =~ /\.tzf$/i);
}
if (defined $options->{externals} && length $options->{externals}) {
    print "reading external stack sizes $options->{externals}\n" unless $options->{silent};
    read_file($options->{externals}, 0);
}
my $entries = $options->{entries} // \@zone_entries;
print STDERR "no entry points: give 'entry NAME' lines in a .tzf file or -entrypoints=\n" unless @$entries;
write_report($options, $entries);
exit 0;

__DATA__
<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title>Worst-case stack usage</title>
<style>
body { font-family: sans-serif; }
table { border-collapse: collapse; }
th, td { border: 1px solid #999; padding: 0.2em 0.6em; text-align: left; }
td.bytes { text-align: right; }
tr.over-security td { background: #ffe9a8; }
tr.over-max td, tr.recursive td, tr.unknown td { background: #ffb3b3; font-weight: bold; }
</style>
</head>
<body>
<h1>Worst-case stack usage</h1>
<p>Limits: %LIMITS%.</p>
<table>
<tr><th>Entry point</th><th>Worst-case stack (bytes)</th><th>Deepest call path</th><th>Status</th></tr>
%TABLE%</table>
</body>
</html>
